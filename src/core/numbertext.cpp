#include "core/numbertext.h"

#include <QByteArray>

#include <cmath>

namespace {

constexpr double kClamp = 4.0e18; // inside qint64, far beyond any list or counter

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

namespace NumberText {

double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;

    QByteArray number;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        number.append(static_cast<char>(text[i++].unicode()));
    bool digits = false;
    while (i < n && isDigit(text[i])) {
        number.append(static_cast<char>(text[i++].unicode()));
        digits = true;
    }
    if (i < n && text[i] == u'.') {
        number.append('.');
        ++i;
        while (i < n && isDigit(text[i])) {
            number.append(static_cast<char>(text[i++].unicode()));
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        QByteArray exponent("e");
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            exponent.append(static_cast<char>(text[j++].unicode()));
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                exponent.append(static_cast<char>(text[j++].unicode()));
            number.append(exponent);
        }
    }
    const double value = number.toDouble(); // locale-independent, unlike strtod
    return std::isfinite(value) ? value : 0.0;
}

qint64 roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double rounded = std::nearbyint(value); // default rounding mode: to nearest, ties to even
    if (rounded > kClamp)
        return static_cast<qint64>(kClamp);
    if (rounded < -kClamp)
        return -static_cast<qint64>(kClamp);
    return static_cast<qint64>(rounded);
}

QString format(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

QString raised(QStringView text)
{
    return format(leadingNumber(text) + 1.0);
}

} // namespace NumberText
