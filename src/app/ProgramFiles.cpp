#include "app/ProgramFiles.h"

#include <QDir>
#include <QFile>

#include "app/SettingsFile.h"
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

void RemoveTempFiles(const QString& programDir, const OutputOptions& options) {
    QFile::remove(programDir + QStringLiteral("temp.jpg"));
    QFile::remove(programDir + QStringLiteral("temp.bat"));
    RemoveFilesIn(programDir + QStringLiteral("temp"));
    QDir(programDir).rmdir(QStringLiteral("temp"));
    WriteSettings(programDir, options);
}

QString CannotSaveText(const QString& file) {
    return QStringLiteral("Impossibile salvare il file:\r\n\"%1\".").arg(file);
}
