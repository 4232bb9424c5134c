#include "util/Numbers.h"

#include <cmath>
#include <string>

long long floorToInt(double value) { return static_cast<long long>(std::floor(value)); }

long long intDivide(double dividend, double divisor) {
    return roundHalfEven(dividend) / roundHalfEven(divisor);
}

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

// Appends the digits starting at pos to out and returns how many there were.
int takeDigits(QStringView text, qsizetype& pos, std::string& out) {
    int count = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        out += static_cast<char>(text[pos].unicode());
        ++pos;
        ++count;
    }
    return count;
}

}  // namespace

double numericValue(QStringView text) {
    qsizetype pos = 0;
    while (pos < text.size() && isBlank(text[pos])) ++pos;

    std::string number;
    if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+')) {
        number += static_cast<char>(text[pos].unicode());
        ++pos;
    }
    int digits = takeDigits(text, pos, number);
    if (pos < text.size() && text[pos] == u'.') {
        number += '.';
        ++pos;
        digits += takeDigits(text, pos, number);
    }
    if (digits == 0) return 0.0;

    // An exponent counts only when digits follow it ("8e" is just 8).
    if (pos + 1 < text.size() && (text[pos] == u'e' || text[pos] == u'E')) {
        qsizetype exponentPos = pos + 1;
        std::string exponent = "e";
        if (text[exponentPos] == u'-' || text[exponentPos] == u'+') {
            exponent += static_cast<char>(text[exponentPos].unicode());
            ++exponentPos;
        }
        if (takeDigits(text, exponentPos, exponent) > 0) number += exponent;
    }
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

QString formatGeneral(double value) {
    if (value == 0.0 || !std::isfinite(value)) return QStringLiteral("0");
    QString text = QString::number(value, 'g', 15);
    return text.replace(u'e', u'E');
}
