#pragma once

#include <QString>
#include <QStringView>
#include <cmath>

// The number rules the whole program follows, so that every field, file and
// computation rounds and renders numbers the same way.

// Nearest whole number, ties to the even one (6.5 -> 6, 7.5 -> 8, -2.5 -> -2),
// for a number of any size. Independent of the floating-point rounding mode,
// and inline because the line voting rounds once per edge pixel and angle.
inline double roundHalfEvenWhole(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;  // exact in binary floating point
    if (fraction < 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) == 0.0)) return below;
    return below + 1.0;
}

// The same as an integer, for a number known to fit in one.
inline long long roundHalfEven(double value) {
    return static_cast<long long>(roundHalfEvenWhole(value));
}

// Where the parabola through three evenly spaced samples peaks, as an offset
// from the middle one (-0.5 ... 0.5 when the middle one is the largest); 0
// when the samples do not bend down.
inline double parabolaPeak(double left, double mid, double right) {
    const double curvature = left - 2 * mid + right;
    return curvature < 0 ? 0.5 * (left - right) / curvature : 0.0;
}

// One of the digits 0 ... 9 (not the digits of other scripts).
inline bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Largest integer not above value (-0.5 -> -1).
long long floorToInt(double value);

// Integer division of two numbers that are first rounded to whole numbers
// (ties to even); the quotient is truncated towards zero (-7, 2 -> -3).
// The divisor must not round to zero.
long long intDivide(double dividend, double divisor);

// The leading number of a text: blanks are skipped, then an optional sign,
// digits with at most one "." as decimal separator and an optional exponent.
// A text that does not start with a number is worth 0 ("12abc" -> 12,
// "abc" -> 0, " 8.5" -> 8.5, "8,5" -> 8).
double numericValue(QStringView text);

// The shortest plain decimal form of a number with "." as separator: no
// leading blank, no trailing zeros, at most 15 significant digits
// (8 -> "8", 8.5 -> "8.5", 20.32 -> "20.32", -0.25 -> "-0.25").
QString formatGeneral(double value);
