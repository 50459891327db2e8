#include "settingsfile.h"
#include "support/programfixture.h"
#include "windowtests.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A screen reader or voice control ticks a box through its Toggle action,
// which changes the box without a click.
void changeBox(QCheckBox *box, const QString &way)
{
    if (way == u"toggle")
        QAccessible::queryAccessibleInterface(box)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
    else if (way == u"mouse")
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
    else
        QTest::keyClick(box, Qt::Key_Space);
}

QStringList savedYesNo(const ProgramFixture &f)
{
    QFile file(f.dir.filePath(u"Settings.txt"_s));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> lines = file.readAll().split('\n');
    QStringList yesNo;
    for (int item = HostSettings::SayPrizesYesNo; item <= HostSettings::SayWinnersYesNo; ++item)
        yesNo << QString::fromLatin1(lines.value(item).trimmed());
    return yesNo;
}

} // namespace

// The program follows its check boxes however they change, and the boxes it
// ticks itself at start-up never run their yes/no toggle a second time.
void WindowTest::checkBoxesCountHoweverTheyChange_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("startsYes");    // Settings.txt says "Yes" for items 14 to 16
    QTest::addColumn<QStringList>("saved"); // items 14 to 16 as "Ok" writes them

    const QStringList noes{u"\"No\""_s, u"\"No\""_s, u"\"No\""_s};
    for (const char *way : {"toggle", "mouse", "space"}) {
        QTest::addRow("Say Prizes? ticked, %s", way)
            << u"Check3"_s << QString::fromLatin1(way) << false << QStringList{u"\"Yes\""_s, u"\"No\""_s, u"\"No\""_s};
    }
    QTest::newRow("Say Prizes? ticked at start-up, unticked, toggle")
        << u"Check3"_s << u"toggle"_s << true << QStringList{u"\"No\""_s, u"\"Yes\""_s, u"\"Yes\""_s};
    QTest::newRow("Confermation? ticked, toggle")
        << u"Check1"_s << u"toggle"_s << false << QStringList{u"\"No\""_s, u"\"Yes\""_s, u"\"No\""_s};
    QTest::newRow("Red out of play, toggle") << u"Check4"_s << u"toggle"_s << false << noes;
    QTest::newRow("Gold out of play, mouse") << u"Check9"_s << u"mouse"_s << false << noes;
}

void WindowTest::checkBoxesCountHoweverTheyChange()
{
    QFETCH(QString, box);
    QFETCH(QString, way);
    QFETCH(bool, startsYes);
    QFETCH(QStringList, saved);

    ProgramFixture f(false);
    writeSettings(f, startsYes ? Items{{14, u"Yes"_s}, {15, u"Yes"_s}, {16, u"Yes"_s}} : Items{});
    QVERIFY(f.program->Draw_Load());
    MainWindow &window = f.program->window();
    f.ui().Command16->click(); // the main settings in view
    f.ui().Frame22->show();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const GameSession &s = f.program->session();
    const QHash<QString, std::function<bool()>> followed{
        {u"Check1"_s, [&s] { return s.settings.isChecked(HostSettings::Check::Confirmation); }},
        {u"Check3"_s, [&s] { return s.settings.isChecked(HostSettings::Check::SayPrizes); }},
        {u"Check4"_s, [&s] { return s.colours.isInPlay(ColourCaller::Red); }},
        {u"Check9"_s, [&s] { return s.colours.isInPlay(ColourCaller::Gold); }}};

    auto *changed = window.findChild<QCheckBox *>(box);
    const bool wasChecked = changed->isChecked();
    changeBox(changed, way);
    QCOMPARE(changed->isChecked(), !wasChecked);
    QCOMPARE(followed.value(box)(), !wasChecked);
    f.ui().Command17->click();
    QCOMPARE(savedYesNo(f), saved);
}
