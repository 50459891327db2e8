#pragma once

#include <QString>
#include <QStringView>

// Counters and numeric settings are kept as text that the host may edit, so
// every reading is tolerant: the number at the start of the text counts and
// the rest is ignored ("12abc" is 12, "abc" and "" are 0). Nothing a box holds
// can make these functions fail.
namespace NumberText {

// The leading decimal number of the text: blanks, sign, digits, a decimal
// point and an exponent. Always finite; a value too large to hold reads as 0.
double leadingNumber(QStringView text);

// Rounds to a whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4),
// clamped to a range no loop or index of the program can reach.
qint64 roundHalfEven(double value);

// The decimal text of a number: whole numbers without a fraction or exponent.
QString format(double value);

// Reads the text as a number, adds one and gives the new text back.
QString raised(QStringView text);

} // namespace NumberText
