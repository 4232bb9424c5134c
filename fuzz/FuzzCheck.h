#pragma once

#include <QString>
#include <cstdio>
#include <cstdlib>

// Stops the fuzzer with a message when a property of the code under test
// does not hold, so that libFuzzer saves the input that broke it.
inline void FuzzCheck(bool holds, const char* what, const QString& detail = QString()) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s %s\n", what, qUtf8Printable(detail));
    std::abort();
}

// The fuzzer's bytes as text: every two bytes one UTF-16 code unit, so that
// accented letters, unpaired surrogates and control characters all occur.
inline QString FuzzText(const unsigned char* data, size_t size) {
    return QString(reinterpret_cast<const QChar*>(data), static_cast<qsizetype>(size / 2));
}
