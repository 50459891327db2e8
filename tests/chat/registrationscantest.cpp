#include "registrationscantest.h"

#include "chat/registrationscan.h"
#include "literalscan.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString lines(const QStringList &list)
{
    return list.join(u"\r\n"_s);
}

} // namespace

void RegistrationScanTest::takesInTheRightPlayers_data()
{
    QTest::addColumn<QStringList>("transcript");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QStringList>("ledger");
    QTest::addColumn<QStringList>("taken");

    const QString $ = u"$"_s;
    QTest::newRow("registration right after the marker line")
        << QStringList{u"Host: Corvane's Hoster"_s, u"Host: Welcome"_s, u"ESP from Bob: $"_s} << $ << QString()
        << QStringList{} << QStringList{u"Bob"_s};
    QTest::newRow("the very next line after the marker")
        << QStringList{u"Host: Corvane's Hoster"_s, u"ESP from Bob: $"_s} << $ << QString() << QStringList{}
        << QStringList{u"Bob"_s};
    QTest::newRow("ESPs before the newest marker are ignored")
        << QStringList{u"ESP from Ann: $"_s, u"Host: Corvane's Hoster"_s, u"ESP from Bob: $"_s,
                       u"Host: Corvane's Hoster"_s, u"ESP from Cy: $"_s}
        << $ << u"Host"_s << QStringList{} << QStringList{u"Cy"_s};
    QTest::newRow("marker on the last line leaves nothing")
        << QStringList{u"ESP from Ann: $"_s, u"Host: Corvane's Hoster"_s} << $ << QString() << QStringList{}
        << QStringList{};
    QTest::newRow("blanks before the symbol") << QStringList{u"ESP from Bob:    $ and more"_s} << $ << QString()
                                              << QStringList{} << QStringList{u"Bob"_s};
    QTest::newRow("blanks around the name") << QStringList{u"ESP from   Bob : $"_s} << $ << QString()
                                            << QStringList{} << QStringList{u"Bob"_s};
    QTest::newRow("a letter before the symbol") << QStringList{u"ESP from Bob: x$"_s} << $ << QString()
                                                << QStringList{} << QStringList{};
    QTest::newRow("two-letter symbol never matches") << QStringList{u"ESP from Bob: $$"_s} << u"$$"_s << QString()
                                                     << QStringList{} << QStringList{};
    QTest::newRow("empty symbol matches a blank text")
        << QStringList{u"ESP from Bob:   "_s, u"ESP from Ann: hi"_s} << QString() << QString() << QStringList{}
        << QStringList{u"Bob"_s};
    QTest::newRow("twice in one transcript, once taken")
        << QStringList{u"ESP from Bob: $"_s, u"ESP from Bob: $"_s} << $ << QString() << QStringList{}
        << QStringList{u"Bob"_s};
    QTest::newRow("the ledger is case-sensitive") << QStringList{u"ESP from Bob: $"_s, u"ESP from bob: $"_s} << $
                                                  << QString() << QStringList{u"bob"_s} << QStringList{u"Bob"_s};
    QTest::newRow("the host cannot register") << QStringList{u"ESP from Host: $"_s} << $ << u"Host"_s
                                              << QStringList{u"Host"_s} << QStringList{};
    QTest::newRow("removed after registering")
        << QStringList{u"ESP from Bob: $"_s, u"Host: *** Bob has been removed ***"_s, u"ESP from Ann: $"_s} << $
        << u"Host"_s << QStringList{} << QStringList{u"Ann"_s};
    QTest::newRow("removed before registering")
        << QStringList{u"Host: *** Bob has been removed ***"_s, u"ESP from Bob: $"_s} << $ << u"Host"_s
        << QStringList{} << QStringList{u"Bob"_s};
    QTest::newRow("order of the ESP lines")
        << QStringList{u"ESP from Zed: $"_s, u"Amy: hi"_s, u"ESP from Amy: $"_s, u"ESP from Kim: $"_s} << $
        << QString() << QStringList{} << QStringList{u"Zed"_s, u"Amy"_s, u"Kim"_s};
    QTest::newRow("a line naming nobody") << QStringList{u"ESP from Bob $"_s, u"ESP from : $"_s} << u"S"_s
                                          << QString() << QStringList{} << QStringList{};
    QTest::newRow("names as the client writes them")
        << QStringList{u"ESP from Zoë, the <b>Bold</b>: $"_s} << $ << QString() << QStringList{}
        << QStringList{u"Zoë, the <b>Bold</b>"_s};
    // Players cannot steer the lists.
    QTest::newRow("a player ESPing the marker cuts nothing")
        << QStringList{u"ESP from Bob: $"_s, u"ESP from Eve: Corvane's Hoster"_s, u"ESP from Ann: $"_s} << $
        << u"Host"_s << QStringList{} << QStringList{u"Bob"_s, u"Ann"_s};
    QTest::newRow("a player saying the marker after the host's cuts nothing")
        << QStringList{u"Host: Corvane's Hoster"_s, u"ESP from Bob: $"_s, u"Eve: Corvane's Hoster"_s,
                       u"ESP from Ann: $"_s}
        << $ << u"Host"_s << QStringList{} << QStringList{u"Bob"_s, u"Ann"_s};
    QTest::newRow("a player saying a removal blocks nobody")
        << QStringList{u"ESP from Bob: $"_s, u"Eve: *** Bob has been removed ***"_s,
                       u"ESP from Eve: *** Bob has been removed ***"_s}
        << $ << u"Host"_s << QStringList{} << QStringList{u"Bob"_s};
    QTest::newRow("before the host is known, any room line counts")
        << QStringList{u"ESP from Bob: $"_s, u"Eve: *** Bob has been removed ***"_s} << $ << QString()
        << QStringList{} << QStringList{};
    QTest::newRow("the client's own lines are not the host's")
        << QStringList{u"<system>: Corvane's Hoster"_s, u"ESP from Bob: $"_s} << $ << u"Host"_s << QStringList{}
        << QStringList{u"Bob"_s};
    QTest::newRow("a removal naming a longer name")
        << QStringList{u"ESP from Bob: $"_s, u"Host: *** Bobby has been removed ***"_s,
                       u"Host: *** *** Bob has been removed ***"_s}
        << $ << u"Host"_s << QStringList{} << QStringList{};
    QTest::newRow("empty transcript") << QStringList{} << $ << QString() << QStringList{} << QStringList{};
}

void RegistrationScanTest::takesInTheRightPlayers()
{
    QFETCH(QStringList, transcript);
    QFETCH(QString, symbol);
    QFETCH(QString, host);
    QFETCH(QStringList, ledger);
    QFETCH(QStringList, taken);

    const QSet<QString> registered(ledger.cbegin(), ledger.cend());
    QCOMPARE(RegistrationScan::newRegistrations(lines(transcript), symbol, host, registered), taken);
    QCOMPARE(literalScan(lines(transcript), symbol, host, registered), taken);
}

void RegistrationScanTest::agreesWithTheLiteralScanOnGeneratedTranscripts()
{
    const QStringList names{u"Bob"_s,   u"bob"_s,     u"Ann Lee"_s,   u"Zoë"_s,  u"A, B"_s, u"*** Bob"_s,
                            u"List2"_s, u"Host"_s,    u"Bob has"_s,   u"x"_s,    u"Eve"_s,  u" Ann Lee "_s};
    const QStringList speakers{u"Host"_s, u"Eve"_s, u"<system>"_s, u"Ann Lee"_s};
    const QStringList symbols{u"$"_s, QString(), u"$$"_s, u"#"_s};
    QRandomGenerator random(20261206);

    const auto pick = [&random](const QStringList &from) { return from[random.bounded(from.size())]; };
    const auto line = [&]() -> QString {
        const QString name = pick(names);
        switch (random.bounded(16)) {
        case 0: return pick(speakers) + u": Corvane's Hoster"_s;
        case 1: return pick(speakers) + u": *** "_s + name + u" has been removed ***"_s;
        case 2: return u"*** "_s + name + u" has been removed ***"_s;
        case 3: return u"ESP from "_s + name + u": Corvane's Hoster"_s;
        case 4: return u"ESP from "_s + name + u": *** "_s + pick(names) + u" has been removed ***"_s;
        case 5: return u"ESP from  "_s + name + u" :   "_s + pick(symbols) + u" hi"_s;
        case 6: return u"ESP from "_s + name + u": x"_s + pick(symbols);
        case 7: return u"ESP from "_s + name + u" "_s + pick(symbols);
        case 8: return u"ESP to "_s + name + u": "_s + pick(symbols);
        case 9: return pick(speakers) + u": hello: "_s + pick(symbols);
        case 10: return QString();
        case 11: return u"Host: *** *** "_s + name + u" has been removed *** has been removed ***"_s;
        default: return u"ESP from "_s + name + u": "_s + pick(symbols);
        }
    };

    for (int round = 0; round < 4000; ++round) {
        QStringList transcript;
        const int length = random.bounded(1, 40);
        for (int i = 0; i < length; ++i)
            transcript << line();
        const QString text = lines(transcript);
        const QString symbol = pick(symbols);
        const QString host = random.bounded(2) ? u"Host"_s : QString();
        QSet<QString> registered;
        for (const QString &name : names) {
            if (random.bounded(6) == 0)
                registered.insert(name);
        }
        const QStringList fast = RegistrationScan::newRegistrations(text, symbol, host, registered);
        const QStringList literal = literalScan(text, symbol, host, registered);
        if (fast != literal) {
            qWarning().noquote() << "transcript:" << text << "symbol:" << symbol << "host:" << host;
            QCOMPARE(fast, literal);
        }
    }
}
