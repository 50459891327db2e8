#include "ansitest.h"

#include "core/ansi.h"

#include <QTest>

void AnsiTest::everyByteSurvivesARoundTrip()
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

void AnsiTest::encodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("ascii") << QStringLiteral("Bob: $") << QByteArray("Bob: $");
    QTest::newRow("latin-1 letters") << QString::fromUtf8("Zoë Müller") << QByteArray("Zo\xEB M\xFCller");
    QTest::newRow("euro and quotes") << QString::fromUtf8("€ “hi” – ™") << QByteArray("\x80 \x93hi\x94 \x96 \x99");
    QTest::newRow("outside the code page") << QString::fromUtf8("Ж 中") << QByteArray("? ?");
    QTest::newRow("one mark for a surrogate pair") << QString::fromUtf8("a😀b") << QByteArray("a?b");
}

void AnsiTest::encodes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Ansi::encode(text), bytes);
}
