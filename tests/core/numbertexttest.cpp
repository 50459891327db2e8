#include "numbertexttest.h"

#include "core/numbertext.h"

#include <QTest>

#include <limits>

void NumberTextTest::readsLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("plain") << QStringLiteral("12") << 12.0;
    QTest::newRow("trailing letters") << QStringLiteral("12abc") << 12.0;
    QTest::newRow("letters only") << QStringLiteral("abc") << 0.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("leading blanks") << QStringLiteral("  \t3") << 3.0;
    QTest::newRow("negative") << QStringLiteral("-2") << -2.0;
    QTest::newRow("fraction") << QStringLiteral("1.5s") << 1.5;
    QTest::newRow("leading point") << QStringLiteral(".5") << 0.5;
    QTest::newRow("exponent") << QStringLiteral("2e3") << 2000.0;
    QTest::newRow("exponent without digits") << QStringLiteral("2e") << 2.0;
    QTest::newRow("sign alone") << QStringLiteral("-") << 0.0;
    QTest::newRow("overflow reads as zero") << QStringLiteral("1e999") << 0.0;
    QTest::newRow("not a decimal comma") << QStringLiteral("1,5") << 1.0;
}

void NumberTextTest::readsLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumberText::leadingNumber(text), value);
}

void NumberTextTest::roundsHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("rounded");

    QTest::newRow("0.5") << 0.5 << qint64(0);
    QTest::newRow("1.5") << 1.5 << qint64(2);
    QTest::newRow("2.5") << 2.5 << qint64(2);
    QTest::newRow("-0.5") << -0.5 << qint64(0);
    QTest::newRow("-1.5") << -1.5 << qint64(-2);
    QTest::newRow("2.6") << 2.6 << qint64(3);
    QTest::newRow("huge is clamped") << 1e300 << qint64(4000000000000000000);
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << qint64(0);
}

void NumberTextTest::roundsHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(qint64, rounded);
    QCOMPARE(NumberText::roundHalfEven(value), rounded);
}

void NumberTextTest::raises_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("raised");

    QTest::newRow("counter") << QStringLiteral("0") << QStringLiteral("1");
    QTest::newRow("not a number") << QStringLiteral("x") << QStringLiteral("1");
    QTest::newRow("fraction") << QStringLiteral("2.5") << QStringLiteral("3.5");
    QTest::newRow("negative") << QStringLiteral("-1") << QStringLiteral("0");
    QTest::newRow("large") << QStringLiteral("1e20") << QStringLiteral("1e+20");
}

void NumberTextTest::raises()
{
    QFETCH(QString, text);
    QFETCH(QString, raised);
    QCOMPARE(NumberText::raised(text), raised);
}
