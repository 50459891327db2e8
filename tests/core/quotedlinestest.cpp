#include "quotedlinestest.h"

#include "core/quotedlines.h"

#include <QTest>

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

void QuotedLinesTest::valuesSurviveARoundTrip_data()
{
    QTest::addColumn<QStringList>("values");

    QTest::newRow("plain") << QStringList{u"$"_s, u"WTG you won"_s};
    QTest::newRow("empty values") << QStringList{QString(), QString(), u"x"_s};
    QTest::newRow("commas") << QStringList{u"one, two"_s, u","_s};
    QTest::newRow("quotes") << QStringList{u"say \"hi\""_s, u"\""_s, u"\"\""_s, u"a\"\"b"_s, u"ends \""_s};
    QTest::newRow("code page letters") << QStringList{u"Zoë wins 5 €"_s, u"naïve “quote”"_s};
    QTest::newRow("line breaks inside") << QStringList{u"line one\r\nline two"_s, u"\r\n"_s};
    QTest::newRow("leading blanks kept inside quotes") << QStringList{u"  spaced"_s};
}

void QuotedLinesTest::valuesSurviveARoundTrip()
{
    QFETCH(QStringList, values);
    QCOMPARE(readAll(QuotedLines::write(values)), values);
}

void QuotedLinesTest::readsFilesAsTheyWereAlwaysWritten_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("one quoted record") << QByteArray("\"$\"\r\n") << QStringList{u"$"_s};
    QTest::newRow("empty record") << QByteArray("\"\"\r\n\"x\"\r\n") << QStringList{QString(), u"x"_s};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("unquoted ends at a comma") << QByteArray("a,b\r\nc\r\n") << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("quoted field spans lines") << QByteArray("\"A\r\nB\"\r\n\"C\"\r\n")
                                               << QStringList{u"A\r\nB"_s, u"C"_s};
    QTest::newRow("a single quote inside ends the field")
        << QByteArray("\"a\"b\"\r\n\"c\"\r\n") << QStringList{u"a"_s, u"c"_s};
    QTest::newRow("blank line is an empty field") << QByteArray("\"a\"\r\n\r\n\"b\"\r\n")
                                                  << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("bare line feeds") << QByteArray("\"a\"\n\"b\"\n") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("no closing quote runs to the end") << QByteArray("\"a\"\r\n\"b") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("blanks before a field") << QByteArray("\"a\", \"b\"\r\n") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("code page bytes") << QByteArray("\"Zo\xEB \x80\"\r\n") << QStringList{u"Zoë €"_s};
}

void QuotedLinesTest::readsFilesAsTheyWereAlwaysWritten()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    QCOMPARE(readAll(bytes), fields);
}
