#include "app/WorkingFiles.h"

#include <QDir>
#include <QFile>

#include "app/SettingsFile.h"
#include "util/ProgramFiles.h"

void RemoveTempFiles(const QString& programDir, const OutputOptions& options) {
    QFile::remove(programDir + QStringLiteral("temp.jpg"));
    QFile::remove(programDir + QStringLiteral("temp.bat"));
    RemoveFilesIn(programDir + QStringLiteral("temp"));
    QDir(programDir).rmdir(QStringLiteral("temp"));
    WriteSettings(programDir, options);
}
