#include "app/ProgramFiles.h"

#include <QDir>
#include <QFile>

#include "app/SettingsFile.h"
#include "util/PathCase.h"

bool FileExists(const QString& name, const QString& programDir) {
    return !existingFileIgnoringCase(name).isEmpty() ||
           !existingFileIgnoringCase(programDir + name).isEmpty();
}

void RemoveTempFiles(const QString& programDir, const OutputOptions& options) {
    QFile::remove(programDir + QStringLiteral("temp.jpg"));
    QFile::remove(programDir + QStringLiteral("temp.bat"));

    QDir temp(programDir + QStringLiteral("temp"));
    if (temp.exists()) {
        for (const QString& file : temp.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            temp.remove(file);
        }
        QDir(programDir).rmdir(QStringLiteral("temp"));
    }
    WriteSettings(programDir, options);
}
