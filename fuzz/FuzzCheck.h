#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <string>

// Stops the fuzzer with a message when a property of the code under test
// does not hold, so that libFuzzer saves the input that broke it.
inline void FuzzCheck(bool holds, const char* what, const QString& detail = QString()) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s %s\n", what, qUtf8Printable(detail));
    std::abort();
}

// The fuzzer's bytes as text: every two bytes one UTF-16 code unit, so that
// accented letters, unpaired surrogates and control characters all occur.
inline QString FuzzText(const std::string& bytes) {
    return QString(reinterpret_cast<const QChar*>(bytes.data()),
                   static_cast<qsizetype>(bytes.size() / 2));
}

// A text of up to maxBytes of the input, and one of all the bytes left.
inline QString ConsumeText(FuzzedDataProvider& input, size_t maxBytes) {
    return FuzzText(input.ConsumeRandomLengthString(maxBytes));
}
inline QString ConsumeRemainingText(FuzzedDataProvider& input) {
    return FuzzText(input.ConsumeRemainingBytesAsString());
}
