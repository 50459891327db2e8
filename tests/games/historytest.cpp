#include "historytest.h"

#include "games/journalhistory.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSortFilterProxyModel>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QJsonObject entry(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

} // namespace

void HistoryTest::describesEachOperation_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("who");
    QTest::addColumn<QString>("details");

    QTest::newRow("a Lister start") << QByteArray(
        R"({"op":"start","game":"lister","mode":"reset","host":"Corvane","changes":[{},{}]})")
                                    << u"Start (Lister)"_s << u"Corvane"_s << u"Reset List; 2 list changes"_s;
    QTest::newRow("registrations taken and refused")
        << QByteArray(R"({"op":"getreg","game":"raffle","taken":[{"who":"Ann","line":"ESP from Ann: $"}],)"
                      R"("refused":["Bo"],"changes":[{}]})")
        << u"Get Reg (Raffler)"_s << u"Ann"_s
        << u"took in Ann by \u201CESP from Ann: $\u201D; already registered: Bo; 1 list changes"_s;
    QTest::newRow("a transcript that was not read") << QByteArray(R"({"op":"getreg","game":"lister","read":false})")
                                                    << u"Get Reg (Lister)"_s << QString() << u"nobody new"_s;
    QTest::newRow("a draw with its prize")
        << QByteArray(R"({"op":"draw","round":"2","counter":"1","winners":["Cy"],"prize":"A hat",)"
                      R"("picks":[{"n":5,"index":2}]})")
        << u"Draw"_s << u"Cy"_s << u"draw 1; round 2; prize \u201CA hat\u201D; 3 of 5 players"_s;
    QTest::newRow("a draw from an empty list") << QByteArray(R"({"op":"draw","round":"3","counter":"2","winners":[]})")
                                               << u"Draw"_s << QString() << u"draw 2; round 3; no names left"_s;
    QTest::newRow("settings saved") << QByteArray(R"({"op":"settings","changed":{"13":"2","9":"5"}})")
                                    << u"Settings saved"_s << QString()
                                    << u"item 13 \u201C2\u201D; item 9 \u201C5\u201D"_s;
    QTest::newRow("lists restored from another evening")
        << QByteArray(R"({"op":"restore","to":41,"file":"2026-12-05_20-00-00.jsonl"})") << u"Lists restored"_s
        << QString() << u"to entry 41; of 2026-12-05_20-00-00.jsonl"_s;
}

void HistoryTest::describesEachOperation()
{
    QFETCH(QByteArray, json);
    const QJsonObject read = entry(json);
    QVERIFY2(!read.isEmpty(), json.constData());
    QFETCH(QString, operation);
    QFETCH(QString, who);
    QFETCH(QString, details);
    QCOMPARE(JournalHistory::operationOf(read), operation);
    QCOMPARE(JournalHistory::whoOf(read), who);
    QCOMPARE(JournalHistory::detailsOf(read), details);
}

void HistoryTest::exportsWhatIsShownAsCsv()
{
    JournalHistory history;
    QList<JournalEntry> entries;
    for (const QByteArray &json :
         {QByteArray(
              R"({"seq":1,"time":"2026-12-05T20:00:00.000Z","op":"remove","who":"Ann \"A\" Lee","list":"players"})"),
          QByteArray(R"({"seq":2,"time":"2026-12-05T20:01:00.000Z","op":"remove","who":"Bo, Jr","list":"winners"})")})
        entries.append({entry(json), json, static_cast<int>(entries.size()) + 2});
    history.setEntries(entries);
    QSortFilterProxyModel shown;
    shown.setSourceModel(&history);
    shown.setFilterKeyColumn(-1);
    shown.setFilterFixedString(u"Jr"_s);

    const QList<QByteArray> lines = JournalHistory::toCsv(shown).split('\n');
    QCOMPARE(lines.size(), 3); // heading, one row, and the end after the last CR LF
    QCOMPARE(lines[0], QByteArray("\"Time\",\"Operation\",\"Who\",\"Details\"\r"));
    QVERIFY2(lines[1].startsWith("\"2026-12-0"), lines[1].constData());
    QVERIFY2(lines[1].endsWith(",\"Remove Player\",\"Bo, Jr\",\"from winners\"\r"), lines[1].constData());
    QCOMPARE(lines[2], QByteArray());

    shown.setFilterFixedString(u"Lee"_s);
    QVERIFY2(JournalHistory::toCsv(shown).contains(",\"Ann \"\"A\"\" Lee\","),
             JournalHistory::toCsv(shown).constData());
}
