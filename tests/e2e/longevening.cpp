#include "longevening.h"

#include "core/recovery.h"
#include "liveprogram.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The resident memory of this process in kB, from the kernel's account.
qint64 residentKb()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

} // namespace

void LongEvening::everyListEndsAsTheScriptExpects()
{
    const bool full = qEnvironmentVariableIntValue("RAFFLER_SOAK") != 0;
    const int registrations = full ? 2000 : 200;
    const int draws = full ? 500 : 50;
    const int calls = full ? 300 : 30;
    const int macroClicks = full ? 200 : 20;

    LiveProgram live;
    QVERIFY(live.start());
    Program &program = *live.program;
    PlayerLists &lists = program.lists();
    program.settings().setChecked(HostSettings::Check3, true);
    program.settings().setChecked(HostSettings::Check1, true); // confirmations too
    live.click("cmdStart");

    QStringList players;
    for (int batch = 0; batch < registrations / 100; ++batch) {
        QByteArray esps;
        for (int i = 0; i < 100; ++i) {
            const QString name = u"Player %1"_s.arg(batch * 100 + i, 4, 10, QChar(u'0'));
            players << name;
            esps += "esp " + name.toLatin1() + ": $\n";
        }
        QVERIFY(live.room.command(esps));
        live.click("cmdGetText");
    }
    QCOMPARE(lists.List3.names(), players);
    QCOMPARE(lists.lstAvatars.names(), players); // already in alphabetical order
    const qint64 warmedUp = residentKb();

    for (int i = 0; i < draws; ++i)
        live.click("Command3");
    QCOMPARE(lists.List1.count(), draws);
    QCOMPARE(lists.lstAvatars.count(), registrations - draws);
    QStringList everyone = lists.lstAvatars.names() + lists.List1.names();
    everyone.sort();
    QCOMPARE(everyone, players);

    live.click("mnuLister");
    for (int i = 0; i < calls; ++i)
        live.click("Command7");
    QCOMPARE(lists.List3.names(), players.mid(calls));
    QCOMPARE(lists.List4.names(), players.mid(0, calls));

    program.macros().setText(0, u"Good luck all\r\nHave fun"_s);
    live.mark();
    for (int i = 0; i < macroClicks; ++i)
        live.click("cmdCommunicate_0");
    QCOMPARE(live.linesSinceMark().size(), 2 * macroClicks);
    const qint64 atEnd = residentKb();

    QFile file(live.dir.filePath(u"Recover.bak"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), Recovery::format(lists));
    QVERIFY(program.input().isEnabled());
    qInfo("%d registrations, %d draws, %d calls, %d macro clicks: resident %lld kB after the registrations, "
          "%lld kB at the end",
          registrations, draws, calls, macroClicks, warmedUp, atEnd);
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer keeps freed memory in quarantine; the figures are only reported.
    Q_UNUSED(atEnd)
#else
    QVERIFY2(atEnd - warmedUp < 16 * 1024, "memory kept growing after warm-up");
#endif
}
