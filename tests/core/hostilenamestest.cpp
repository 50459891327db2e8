#include "hostilenamestest.h"

#include "core/ansi.h"
#include "core/filestore.h"
#include "core/playerlists.h"
#include "core/recovery.h"
#include "core/showntext.h"
#include "support/hostilenames.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Saves the lists to Recover.bak in dir and brings them back into fresh lists.
void saveAndRestore(const QTemporaryDir &dir, PlayerLists &lists, PlayerLists &restored)
{
    FileStore store(dir.path(), dir.filePath(u"user"_s));
    Recovery saving(lists, store);
    QVERIFY(saving.WriteRecovery());
    Recovery restoring(restored, store);
    QVERIFY(restoring.ReadRecovery());
}

} // namespace

void HostileNamesTest::showsTheStartOfALongText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    const qsizetype max = ShownText::kMaxLength;
    const QString ellipsis = u"\u2026"_s;
    QTest::newRow("empty, no tooltip") << QString() << QString();
    QTest::newRow("short") << u"Bob"_s << u"Bob"_s;
    QTest::newRow("markup stays as it is") << u"<b>x</b> &amp;"_s << u"<b>x</b> &amp;"_s;
    QTest::newRow("at the bound") << QString(max, u'x') << QString(max, u'x');
    QTest::newRow("one past the bound") << QString(max + 1, u'x') << QString(max, u'x') + ellipsis;
    QTest::newRow("10,000 characters") << QString(10000, u'x') << QString(max, u'x') + ellipsis;
    QTest::newRow("never half a character") << QString(max - 1, u'x') + u"\U0001F600y"_s
                                            << QString(max - 1, u'x') + ellipsis;
}

void HostileNamesTest::showsTheStartOfALongText()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);

    QCOMPARE(ShownText::cut(text), shown);
    QCOMPARE(toolTipShows(ShownText::toolTip(text)), shown);
}

void HostileNamesTest::recoveryCutsWhatTheCodePageLacks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("saved");
    for (const CutName &row : namesOutsideTheCodePage())
        QTest::newRow(row.tag) << row.name << row.saved;
}

void HostileNamesTest::recoveryCutsWhatTheCodePageLacks()
{
    QFETCH(QString, name);
    QFETCH(QString, saved);

    PlayerLists lists;
    lists.List2.add(name);
    QCOMPARE(Recovery::format(lists), "List2\r\n" + Ansi::encode(saved) + "\r\n");
    QCOMPARE(Ansi::decode(Ansi::encode(saved)), saved);

    QTemporaryDir dir;
    PlayerLists restored;
    saveAndRestore(dir, lists, restored);
    QCOMPARE(restored.List2.names(), QStringList{saved});
}
