#include "imaging/PhotoList.h"

#include <QDir>
#include <algorithm>
#include <cstdlib>

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

bool IsSamePhotoSeries(const QString& previous, const QString& tempFolder,
                       const QString& candidate) {
    if (previous.isEmpty()) return true;
    const QString name = previous.mid(tempFolder.size());
    if (std::abs(name.size() - candidate.size()) >= 3) return false;
    if (name.right(3) != candidate.right(3)) return false;
    // The window ending at the name's last character is not tried.
    for (qsizetype k = 0; k + 4 < name.size(); ++k) {
        if (candidate.contains(QStringView(name).mid(k, 4))) return true;
    }
    return false;
}
