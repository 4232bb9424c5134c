#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

// Test failures show texts as text rather than as arrays of code units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{';
    for (const QString& text : list) *out << ' ' << '"' << text.toStdString() << '"';
    *out << " }";
}
