#include "listertest.h"

#include "core/recovery.h"
#include "support/programfixture.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

void ListerTest::startOpensAGameInEachMode_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("transcript"); // what the link holds from an earlier read
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QList<qint64>>("moments");
    QTest::addColumn<QStringList>("queue");
    QTest::addColumn<QStringList>("called");
    QTest::addColumn<QStringList>("ledger");

    const QStringList opening{u"Corvane's Hoster"_s, u"Welcome to Corvane's games"_s,
                              u"http://www.corvanes-games.example"_s, u"*** Starting a New Game ***"_s};
    QTest::newRow("Clear List") << u"Option1"_s << u"Corvane: Corvane's Hoster"_s
                                << opening + QStringList{u"Please send me Corvane a $ to get on the list"_s}
                                << QList<qint64>{0, 0, 1000, 2000, 3000} << QStringList{} << QStringList{}
                                << QStringList{u"Corvane"_s};
    QTest::newRow("Clear List as the first action") << u"Option1"_s << QString()
                                                    << opening + QStringList{u"Please send me  a $ to get on the list"_s}
                                                    << QList<qint64>{0, 0, 1000, 2000, 3000} << QStringList{}
                                                    << QStringList{} << QStringList{QString()};
    QTest::newRow("Reset List") << u"Option2"_s << u"Corvane: Corvane's Hoster"_s
                                << opening + QStringList{u"all name have been restored no need to Register"_s}
                                << QList<qint64>{0, 0, 1000, 2000, 3000}
                                << QStringList{u"Dave"_s, u"Alice"_s, u"Bob"_s} << QStringList{}
                                // found by the look-up, added again by it, and once more by Start
                                << QStringList{u"Alice"_s,   u"Bob"_s,  u"Corvane"_s, u"Corvane"_s,
                                               u"Corvane"_s, u"Dave"_s, u"Host"_s};
}

void ListerTest::startOpensAGameInEachMode()
{
    QFETCH(QString, option);
    QFETCH(QString, transcript);
    QFETCH(QStringList, said);
    QFETCH(QList<qint64>, moments);
    QFETCH(QStringList, queue);
    QFETCH(QStringList, called);
    QFETCH(QStringList, ledger);

    ProgramFixture f;
    PlayerLists &lists = f.program->lists();
    ProgramFixture::fill(lists.List3, {u"Dave"_s});
    ProgramFixture::fill(lists.List4, {u"Bob"_s, u"Alice"_s});
    ProgramFixture::fill(lists.List2, {u"Alice"_s, u"Bob"_s, u"Dave"_s, u"Host"_s});
    f.program->colours().give(ColourCaller::Gold, u"Bob"_s);
    f.program->state().Text3 = u"5"_s;
    f.program->link().setTranscript(transcript);
    f.program->window().findChild<QRadioButton *>(option)->setChecked(true);
    f.clear();

    f.ui().Command8->click();

    QCOMPARE(f.said(), said);
    QCOMPARE(f.moments(), moments);
    QCOMPARE(lists.List3.names(), queue);
    QCOMPARE(lists.List4.names(), called);
    QCOMPARE(lists.List2.names(), ledger);
    const bool fresh = option == u"Option1";
    QCOMPARE(f.program->state().Text3, fresh ? u"0"_s : u"5"_s);
    QCOMPARE(f.program->colours().holder(ColourCaller::Gold), fresh ? QString() : u"Bob"_s);
    QCOMPARE(f.recoveryFile(), Recovery::format(lists));
    QVERIFY(f.program->input().isEnabled());
}

void ListerTest::warnsAndCallsTheHead_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("queue");
    QTest::addColumn<QString>("sayNext"); // setting 3
    QTest::addColumn<QString>("callNext"); // setting 12
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QStringList>("esps");
    QTest::addColumn<QStringList>("queueAfter");
    QTest::addColumn<QStringList>("calledAfter");
    QTest::addColumn<bool>("saves");

    const QString next = u"Your are next"_s, down = u"Please come down you are next"_s;
    QTest::newRow("Say Next warns the head") << u"Command12"_s << QStringList{u"Alice"_s, u"Bob"_s} << next << down
                                             << QStringList{u"Alice Your are next"_s}
                                             << QStringList{u"Alice: Your are next on the list"_s}
                                             << QStringList{u"Alice"_s, u"Bob"_s} << QStringList{} << true;
    QTest::newRow("Say Next with nothing to say") << u"Command12"_s << QStringList{u"Alice"_s} << QString() << down
                                                  << QStringList{} << QStringList{u"Alice: Your are next on the list"_s}
                                                  << QStringList{u"Alice"_s} << QStringList{} << true;
    QTest::newRow("Call Next calls the head") << u"Command7"_s << QStringList{u"Alice"_s, u"Bob"_s} << next << down
                                              << QStringList{u"Alice Please come down you are next"_s}
                                              << QStringList{u"Alice: Please come down you are next"_s}
                                              << QStringList{u"Bob"_s} << QStringList{u"Alice"_s} << true;
    QTest::newRow("Call Next with nothing to say still says the name")
        << u"Command7"_s << QStringList{u"Alice"_s} << next << QString() << QStringList{u"Alice "_s}
        << QStringList{u"Alice: Please come down you are next"_s} << QStringList{} << QStringList{u"Alice"_s} << true;
    QTest::newRow("Say Next on an empty queue") << u"Command12"_s << QStringList{} << next << down
                                                << QStringList{u"Opps no more names on the list"_s} << QStringList{}
                                                << QStringList{} << QStringList{} << false;
    QTest::newRow("Call Next on an empty queue") << u"Command7"_s << QStringList{} << next << down
                                                 << QStringList{u"Opps no more names on the list"_s} << QStringList{}
                                                 << QStringList{} << QStringList{} << false;
}

void ListerTest::warnsAndCallsTheHead()
{
    QFETCH(QString, button);
    QFETCH(QStringList, queue);
    QFETCH(QString, sayNext);
    QFETCH(QString, callNext);
    QFETCH(QStringList, said);
    QFETCH(QStringList, esps);
    QFETCH(QStringList, queueAfter);
    QFETCH(QStringList, calledAfter);
    QFETCH(bool, saves);

    ProgramFixture f;
    PlayerLists &lists = f.program->lists();
    ProgramFixture::fill(lists.List3, queue);
    f.program->settings().setItem(HostSettings::SayNextSay, sayNext);
    f.program->settings().setItem(HostSettings::CallNextSay, callNext);
    f.clear();
    const qint64 start = f.clock.nowMs();
    f.program->window().findChild<QPushButton *>(button)->click();

    QCOMPARE(f.said(), said);
    QCOMPARE(f.esps(), esps);
    QCOMPARE(lists.List3.names(), queueAfter);
    QCOMPARE(lists.List4.names(), calledAfter);
    QVERIFY(f.program->input().isEnabled());
    QCOMPARE(QFile::exists(f.dir.filePath(u"Recover.bak"_s)), saves);
    // Only the empty queue's answer pauses, once before and once after.
    QCOMPARE(f.clock.nowMs() - start, queue.isEmpty() ? qint64(2000) : qint64(0));
}

void ListerTest::saysTheQueue_data()
{
    QTest::addColumn<bool>("sayWinners");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QList<qint64>>("moments");

    QTest::newRow("the queue") << false
                               << QStringList{u"thay are currenly 2 players on the list"_s, u"Alice"_s, u"Bob"_s,
                                              u"*** End of List ***"_s}
                               << QList<qint64>{0, 1000, 3000, 4000};
    QTest::newRow("and the called list") << true
                                         << QStringList{u"thay are currenly 2 players on the list"_s, u"Alice"_s,
                                                        u"Bob"_s, u"*** End of List ***"_s,
                                                        u"There are curently 1 players That won"_s, u"Carol"_s,
                                                        u"*** End of List ***"_s}
                                         << QList<qint64>{0, 1000, 3000, 4000, 4000, 5000, 6000};
}

void ListerTest::saysTheQueue()
{
    QFETCH(bool, sayWinners);
    QFETCH(QStringList, said);
    QFETCH(QList<qint64>, moments);

    ProgramFixture f;
    ProgramFixture::fill(f.program->lists().List3, {u"Alice"_s, u"Bob"_s});
    ProgramFixture::fill(f.program->lists().List4, {u"Carol"_s});
    f.program->settings().setChecked(HostSettings::Check2, sayWinners);
    f.clear();
    f.ui().Command11->click();
    QCOMPARE(f.said(), said);
    QCOMPARE(f.moments(), moments);
    QCOMPARE(f.recoveryFile(), Recovery::format(f.program->lists()));
}

void ListerTest::theQueueKeepsArrivalOrder()
{
    ProgramFixture f;
    PlayerLists &lists = f.program->lists();
    ScriptedWadapi::setTranscript("Host: Corvane's Hoster\r\nESP from Zoe: $\r\nESP from Adam: $\r\nESP from Mia: $");
    f.ui().Command9->click(); // Get Reg
    QCOMPARE(lists.List3.names(), (QStringList{u"Zoe"_s, u"Adam"_s, u"Mia"_s}));
    QVERIFY(!QFile::exists(f.dir.filePath(u"Recover.bak"_s))); // the Lister's Get Reg does not save

    f.ui().Command7->click();
    f.ui().Command7->click();
    QCOMPARE(lists.List4.names(), (QStringList{u"Adam"_s, u"Zoe"_s})); // called players sort
    QCOMPARE(lists.List3.names(), QStringList{u"Mia"_s});

    // A called player put back by hand is called last.
    lists.List4.setSelected(1);
    f.program->window().findChild<QAction *>(u"mnuAdd1"_s)->trigger();
    QCOMPARE(lists.List3.names(), (QStringList{u"Mia"_s, u"Zoe"_s}));

    // Reset List puts the called players back in called-list order.
    f.ui().Option2->setChecked(true);
    f.ui().Command8->click();
    QCOMPARE(lists.List3.names(), (QStringList{u"Mia"_s, u"Zoe"_s, u"Adam"_s}));
    QVERIFY(lists.List4.isEmpty());
}

void ListerTest::buttonsAgreeWithTheRaffles()
{
    // Call 4 Reg, Closing and Say Prizes say the same as on the raffle panel.
    const std::pair<const char *, const char *> twins[] = {
        {"Command31", "Command32"}, {"Command30", "Command29"}, {"Command33", "Command34"}};
    for (const auto &[lister, raffler] : twins) {
        ProgramFixture f;
        f.program->intake().setTxtHost(u"Corvane"_s);
        f.clear();
        f.program->window().findChild<QPushButton *>(QString::fromLatin1(lister))->click();
        const QStringList fromLister = f.said();
        const QList<qint64> listerMoments = f.moments();
        f.clear();
        f.program->window().findChild<QPushButton *>(QString::fromLatin1(raffler))->click();
        QVERIFY(!fromLister.isEmpty());
        QCOMPARE(fromLister, f.said());
        QCOMPARE(listerMoments, f.moments());
    }

    // The Lister's Colors Caller also saves; the raffle's does not.
    ProgramFixture f;
    f.ui().Command21->click();
    QVERIFY(!QFile::exists(f.dir.filePath(u"Recover.bak"_s)));
    QVERIFY(!f.ui().Frame22->isHidden());
    f.ui().Command25->click();
    QVERIFY(QFile::exists(f.dir.filePath(u"Recover.bak"_s)));
}
