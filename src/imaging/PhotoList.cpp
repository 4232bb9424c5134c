#include "imaging/PhotoList.h"

#include <QDir>
#include <algorithm>

namespace {

QStringList wildcards(const QString& pattern) {
    QStringList parts = pattern.split(u';', Qt::SkipEmptyParts);
    for (QString& part : parts) part = part.trimmed();
    parts.removeAll(QString());
    return parts;
}

// Case-insensitive order; names equal but for case keep a fixed order.
bool sortsBefore(const QString& a, const QString& b) {
    const int ignoringCase = QString::compare(a, b, Qt::CaseInsensitive);
    return ignoringCase != 0 ? ignoringCase < 0 : a < b;
}

}  // namespace

QStringList PhotoList::Names() const {
    if (folder.isEmpty()) return {};
    QDir dir(folder);
    dir.setNameFilters(wildcards(pattern));
    dir.setFilter(QDir::Files);  // without QDir::CaseSensitive, patterns ignore case
    QStringList names = dir.entryList();
    std::sort(names.begin(), names.end(), sortsBefore);
    return names;
}

bool IsValidPattern(const QString& pattern) {
    return !wildcards(pattern).isEmpty() && !pattern.contains(u'/') &&
           !pattern.contains(QDir::separator());
}
