#include "transcripttexttest.h"

#include "chat/tokenizer.h"
#include "chat/transcripttext.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace TranscriptText;

void TranscriptTextTest::countsAndCutsLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<QStringList>("lines"); // GetLine 1 .. count + 1

    QTest::newRow("empty") << QString() << qsizetype(1) << QStringList{QString(), QString()};
    QTest::newRow("one line") << u"a"_s << qsizetype(1) << QStringList{u"a"_s, QString()};
    QTest::newRow("two lines") << u"a\r\nb"_s << qsizetype(2) << QStringList{u"a"_s, u"b"_s, QString()};
    QTest::newRow("ends with a line end") << u"a\r\n"_s << qsizetype(2) << QStringList{u"a"_s, QString(), QString()};
    QTest::newRow("lone line feeds stay inside")
        << u"a\nb\r\nc"_s << qsizetype(2) << QStringList{u"a\nb"_s, u"c"_s, QString()};
}

void TranscriptTextTest::countsAndCutsLines()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, count);
    QFETCH(QStringList, lines);

    QCOMPARE(CountLines(text), count);
    for (qsizetype n = 1; n <= lines.size(); ++n)
        QCOMPARE(GetLine(text, n), lines[n - 1]);
}

void TranscriptTextTest::takesEspLinesApart_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("message");

    QTest::newRow("plain") << u"ESP from Bob: $"_s << u"Bob"_s << u"$"_s;
    QTest::newRow("blanks around the name") << u"ESP from  Bob : hi"_s << u"Bob"_s << u"hi"_s;
    QTest::newRow("the first colon ends the name") << u"ESP from Bob: a: b"_s << u"Bob"_s << u"a: b"_s;
    QTest::newRow("no colon names nobody") << u"ESP from Bob $"_s << QString() << u"SP from Bob $"_s;
    QTest::newRow("colon right after from") << u"ESP from: $"_s << QString() << u"$"_s;
    QTest::newRow("empty text") << u"ESP from Bob: "_s << u"Bob"_s << QString();
}

void TranscriptTextTest::takesEspLinesApart()
{
    QFETCH(QString, line);
    QFETCH(QString, sender);
    QFETCH(QString, message);

    QCOMPARE(GetSender(line), sender);
    QCOMPARE(GetMessage(line).toString(), message);
}

void TranscriptTextTest::tokenizerWalksOneTextAtATime()
{
    Tokenizer tokenizer;
    const QString crlf = u"\r\n"_s;
    QCOMPARE(tokenizer.GetToken(u"a\r\n\r\nb"_s, crlf), u"a"_s);
    QCOMPARE(tokenizer.GetToken(QString(), crlf), QString());
    QCOMPARE(tokenizer.GetToken(QString(), crlf), u"b"_s);
    QCOMPARE(tokenizer.GetToken(QString(), crlf), QString());
    // A new text starts a new walk; the old rest is gone.
    QCOMPARE(tokenizer.GetToken(u"x\r\ny"_s, crlf), u"x"_s);
    QCOMPARE(tokenizer.GetToken(u"p\r\nq"_s, crlf), u"p"_s);
    QCOMPARE(tokenizer.GetToken(QString(), crlf), u"q"_s);
}
