#include "util/PathCase.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The entry of folder whose name equals name without regard to case, or "".
QString matchingEntry(const QString& folder, const QString& name) {
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    }
    return {};
}

}  // namespace

QString existingFileIgnoringCase(const QString& path) {
    if (path.isEmpty()) return {};
    const QFileInfo exact(path);
    if (exact.isFile()) return exact.absoluteFilePath();

    const QStringList parts =
        QDir::cleanPath(exact.absoluteFilePath()).split(u'/', Qt::SkipEmptyParts);
    QString resolved = QStringLiteral("/");
    for (const QString& part : parts) {
        const QString candidate = QDir(resolved).filePath(part);
        if (QFileInfo::exists(candidate)) {
            resolved = candidate;
            continue;
        }
        const QString entry = matchingEntry(resolved, part);
        if (entry.isEmpty()) return {};
        resolved = QDir(resolved).filePath(entry);
    }
    return QFileInfo(resolved).isFile() ? resolved : QString();
}
