#include "texttest.h"

#include "core/ansi.h"
#include "core/numbertext.h"
#include "core/quotedlines.h"

#include <QTest>

using namespace Qt::StringLiterals;

void TextTest::everyByteSurvivesTheCodePage()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    QCOMPARE(Ansi::encode(Ansi::decode(all)), all);
    QCOMPARE(Ansi::decode("\x80\x93\x94\x96\x99"), u"€“”–™"_s);
    // Outside the code page each character, a surrogate pair too, is one mark.
    QCOMPARE(Ansi::encode(u"Ж 中 a😀b"_s), QByteArray("? ? a?b"));

    // A lone euro sign anywhere in a longer text, whatever its alignment.
    for (int at = 0; at < 21; ++at) {
        QByteArray text(21, 'a');
        text[at] = '\x80';
        QCOMPARE(Ansi::decode(text).indexOf(QChar(0x20AC)), at);
    }
}

void TextTest::readsLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("raised");
    QTest::addColumn<qint64>("rounded"); // halves to even

    QTest::newRow("trailing letters") << u"12abc"_s << 12.0 << u"13"_s << qint64(12);
    QTest::newRow("letters only") << u"abc"_s << 0.0 << u"1"_s << qint64(0);
    QTest::newRow("blanks, sign, point") << u" \t-.5s"_s << -0.5 << u"0.5"_s << qint64(0);
    QTest::newRow("exponent without digits") << u"2e"_s << 2.0 << u"3"_s << qint64(2);
    QTest::newRow("sign alone") << u"-"_s << 0.0 << u"1"_s << qint64(0);
    QTest::newRow("overflow reads as zero") << u"1e999"_s << 0.0 << u"1"_s << qint64(0);
    QTest::newRow("not a decimal comma") << u"1,5"_s << 1.0 << u"2"_s << qint64(1);
    QTest::newRow("large, rounding clamped") << u"1e20"_s << 1e20 << u"1e+20"_s << qint64(4000000000000000000);
    QTest::newRow("half down to even") << u"2.5"_s << 2.5 << u"3.5"_s << qint64(2);
    QTest::newRow("half up to even") << u"-1.5"_s << -1.5 << u"-0.5"_s << qint64(-2);
    QTest::newRow("over a half") << u"2.6"_s << 2.6 << u"3.6"_s << qint64(3);
}

void TextTest::readsLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, raised);
    QFETCH(qint64, rounded);
    QCOMPARE(NumberText::leadingNumber(text), value);
    QCOMPARE(NumberText::raised(text), raised);
    QCOMPARE(NumberText::roundHalfEven(value), rounded);
}

void TextTest::readsAndWritesQuotedLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("written"); // as the program writes these fields

    QTest::newRow("plain and empty") << QByteArray("\"$\"\r\n\"\"\r\n") << QStringList{u"$"_s, QString()} << true;
    QTest::newRow("commas stay inside the quotes")
        << QByteArray("\"one, two\"\r\n\",\"\r\n") << QStringList{u"one, two"_s, u","_s} << true;
    // Quotes inside are doubled so they come back; a lone quote would end the field.
    QTest::newRow("quotes are doubled") << QByteArray("\"say \"\"hi\"\"\"\r\n\"\"\"\"\r\n\"a\"\"\"\"b\"\r\n")
                                        << QStringList{u"say \"hi\""_s, u"\""_s, u"a\"\"b"_s} << true;
    QTest::newRow("code page, line breaks, leading blanks")
        << QByteArray("\"Zo\xEB \x80\"\r\n\"one\r\ntwo\"\r\n\"  x\"\r\n")
        << QStringList{u"Zoë €"_s, u"one\r\ntwo"_s, u"  x"_s} << true;
    QTest::newRow("empty file") << QByteArray() << QStringList{} << true;
    QTest::newRow("unquoted ends at a comma")
        << QByteArray("a,b\r\nc\r\n") << QStringList{u"a"_s, u"b"_s, u"c"_s} << false;
    QTest::newRow("a single quote inside ends the field")
        << QByteArray("\"a\"b\"\r\n\"c\"\r\n") << QStringList{u"a"_s, u"c"_s} << false;
    QTest::newRow("blank line is an empty field")
        << QByteArray("\"a\"\r\n\r\n\"b\"\r\n") << QStringList{u"a"_s, QString(), u"b"_s} << false;
    QTest::newRow("bare line feeds") << QByteArray("\"a\"\n\"b\"\n") << QStringList{u"a"_s, u"b"_s} << false;
    QTest::newRow("no closing quote runs to the end")
        << QByteArray("\"a\"\r\n\"b") << QStringList{u"a"_s, u"b"_s} << false;
    QTest::newRow("blanks before a field") << QByteArray("\"a\", \"b\"\r\n") << QStringList{u"a"_s, u"b"_s} << false;
}

void TextTest::readsAndWritesQuotedLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    QFETCH(bool, written);

    if (written)
        QCOMPARE(QuotedLines::write(fields), bytes);
    QuotedLines::Reader reader(bytes);
    QStringList read;
    while (const auto field = reader.next())
        read << *field;
    QCOMPARE(read, fields);
}
