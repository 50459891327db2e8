#include "texttest.h"

#include "core/ansi.h"
#include "core/numbertext.h"
#include "core/quotedlines.h"
#include "core/showntext.h"
#include "support/hostilenames.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

QStringList readAll(const QByteArray &bytes)
{
    QuotedLines::Reader reader(bytes);
    QStringList fields;
    while (const auto field = reader.next())
        fields << *field;
    return fields;
}

} // namespace

void TextTest::everyByteSurvivesTheCodePage()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    QCOMPARE(Ansi::encode(Ansi::decode(all)), all);

    // A lone euro sign anywhere in a longer text, whatever its alignment.
    for (int at = 0; at < 21; ++at) {
        QByteArray text(21, 'a');
        text[at] = '\x80';
        QCOMPARE(Ansi::decode(text).indexOf(QChar(0x20AC)), at);
    }
}

void TextTest::encodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("code page letters") << u"Zoë € “hi” – ™"_s << QByteArray("Zo\xEB \x80 \x93hi\x94 \x96 \x99");
    QTest::newRow("outside the code page") << u"Ж 中"_s << QByteArray("? ?");
    QTest::newRow("one mark for a surrogate pair") << u"a😀b"_s << QByteArray("a?b");
}

void TextTest::encodes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Ansi::encode(text), bytes);
}

void TextTest::readsLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("raised");

    QTest::newRow("trailing letters") << u"12abc"_s << 12.0 << u"13"_s;
    QTest::newRow("letters only") << u"abc"_s << 0.0 << u"1"_s;
    QTest::newRow("blanks, sign, point") << u" \t-.5s"_s << -0.5 << u"0.5"_s;
    QTest::newRow("exponent without digits") << u"2e"_s << 2.0 << u"3"_s;
    QTest::newRow("sign alone") << u"-"_s << 0.0 << u"1"_s;
    QTest::newRow("overflow reads as zero") << u"1e999"_s << 0.0 << u"1"_s;
    QTest::newRow("not a decimal comma") << u"1,5"_s << 1.0 << u"2"_s;
    QTest::newRow("large") << u"1e20"_s << 1e20 << u"1e+20"_s;
}

void TextTest::readsLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, raised);
    QCOMPARE(NumberText::leadingNumber(text), value);
    QCOMPARE(NumberText::raised(text), raised);
}

void TextTest::roundsHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("rounded");

    QTest::newRow("0.5") << 0.5 << qint64(0);
    QTest::newRow("2.5") << 2.5 << qint64(2);
    QTest::newRow("-1.5") << -1.5 << qint64(-2);
    QTest::newRow("2.6") << 2.6 << qint64(3);
    QTest::newRow("huge is clamped") << 1e300 << qint64(4000000000000000000);
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << qint64(0);
}

void TextTest::roundsHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(qint64, rounded);
    QCOMPARE(NumberText::roundHalfEven(value), rounded);
}

void TextTest::writesQuotedLines_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("plain and empty") << QStringList{u"$"_s, QString()} << QByteArray("\"$\"\r\n\"\"\r\n");
    QTest::newRow("commas stay inside the quotes")
        << QStringList{u"one, two"_s, u","_s} << QByteArray("\"one, two\"\r\n\",\"\r\n");
    // Quotes inside are doubled so they come back; a lone quote would end the field.
    QTest::newRow("quotes are doubled") << QStringList{u"say \"hi\""_s, u"\""_s, u"a\"\"b"_s}
                                        << QByteArray("\"say \"\"hi\"\"\"\r\n\"\"\"\"\r\n\"a\"\"\"\"b\"\r\n");
    QTest::newRow("code page, line breaks, leading blanks")
        << QStringList{u"Zoë €"_s, u"one\r\ntwo"_s, u"  x"_s}
        << QByteArray("\"Zo\xEB \x80\"\r\n\"one\r\ntwo\"\r\n\"  x\"\r\n");
}

void TextTest::writesQuotedLines()
{
    QFETCH(QStringList, values);
    QFETCH(QByteArray, bytes);
    QCOMPARE(QuotedLines::write(values), bytes);
    QCOMPARE(readAll(bytes), values);
}

void TextTest::readsQuotedLinesAsTheyWereAlwaysWritten_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("unquoted ends at a comma") << QByteArray("a,b\r\nc\r\n") << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("a single quote inside ends the field")
        << QByteArray("\"a\"b\"\r\n\"c\"\r\n") << QStringList{u"a"_s, u"c"_s};
    QTest::newRow("blank line is an empty field")
        << QByteArray("\"a\"\r\n\r\n\"b\"\r\n") << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("bare line feeds") << QByteArray("\"a\"\n\"b\"\n") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("no closing quote runs to the end") << QByteArray("\"a\"\r\n\"b") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("blanks before a field") << QByteArray("\"a\", \"b\"\r\n") << QStringList{u"a"_s, u"b"_s};
}

void TextTest::readsQuotedLinesAsTheyWereAlwaysWritten()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    QCOMPARE(readAll(bytes), fields);
}

void TextTest::showsTheStartOfALongText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    const qsizetype max = ShownText::kMaxLength;
    const QString ellipsis = u"\u2026"_s;
    QTest::newRow("empty, no tooltip") << QString() << QString();
    QTest::newRow("markup stays as it is") << u"<b>x</b> &amp;"_s << u"<b>x</b> &amp;"_s;
    QTest::newRow("at the bound") << QString(max, u'x') << QString(max, u'x');
    QTest::newRow("one past the bound") << QString(max + 1, u'x') << QString(max, u'x') + ellipsis;
    QTest::newRow("never half a character")
        << QString(max - 1, u'x') + u"\U0001F600y"_s << QString(max - 1, u'x') + ellipsis;
}

void TextTest::showsTheStartOfALongText()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(ShownText::cut(text), shown);
    QCOMPARE(toolTipShows(ShownText::toolTip(text)), shown);
}
