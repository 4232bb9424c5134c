#include "util/ProgramFiles.h"

#include <QDir>

#include "util/PathCase.h"

bool FileExists(const QString& name, const QString& programDir) {
    return !existingFileIgnoringCase(name).isEmpty() ||
           !existingFileIgnoringCase(programDir + name).isEmpty();
}

void RemoveFilesIn(const QString& folder) {
    QDir files(folder);
    for (const QString& file : files.entryList(QDir::Files | QDir::Hidden | QDir::System))
        files.remove(file);
}

QString CannotSaveText(const QString& file) {
    return QStringLiteral("Impossibile salvare il file:\r\n\"%1\".").arg(file);
}
