#include "imaging/PhotoPreparation.h"

#include <QDir>
#include <QFile>

#include "game/UserPort.h"
#include "imaging/Converter.h"
#include "imaging/ScriptRunner.h"
#include "util/ProgramFiles.h"

namespace {

void emptyWorkingFolder(const QString& programDir) {
    const QString folder = programDir + QStringLiteral("temp");
    QDir().mkpath(folder);
    RemoveFilesIn(folder);
}

void writeScript(const QString& path, const QStringList& lines) {
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    for (const QString& line : lines) script.write((line + QStringLiteral("\r\n")).toUtf8());
}

}  // namespace

QString PreparedCopy(const QString& programDir, const QString& name) {
    return programDir + QStringLiteral("temp") + QDir::separator() + name;
}

QStringList PreparationScript(const QString& programDir, const PhotoSeries& series,
                              const QString& converter) {
    QStringList lines{QStringLiteral("@echo off"), QStringLiteral("cls")};
    for (const QString& name : series.names) {
        const QString photo = Quoted(series.folder + QDir::separator() + name);
        const QString copy = Quoted(PreparedCopy(programDir, name));
        if (converter.isEmpty()) {
            lines << QStringLiteral("copy ") + photo + u' ' + copy;
        } else {
            lines << Quoted(converter) + u' ' + photo + QStringLiteral(" -resize ") +
                         Quoted(QStringLiteral("1600x1600>")) + u' ' + copy;
        }
    }
    return lines;
}

void StartPreparation(const QString& programDir, const QStringList& script, ScriptRunner& runner,
                      bool filesAppearWhole) {
    runner.Stop();  // an earlier series still converting must not write into the new one
    emptyWorkingFolder(programDir);
    const QString path = programDir + QStringLiteral("temp.bat");
    writeScript(path, script);
    runner.Start(path, 0, filesAppearWhole);
}

void PreparePhotos(const QString& programDir, const PhotoSeries& series, const QString& converter,
                   ScriptRunner& runner, UserPort& port) {
    StartPreparation(programDir, PreparationScript(programDir, series, converter), runner);

    if (converter.isEmpty()) {
        port.ShowMessage({kProcessingTitle, ConverterMissingText(), MessageIcon::Exclamation,
                          MessageButtons::Ok, Answer::Ok});
        return;
    }
    if (series.names.size() >= 2)
        runner.WaitForFile(PreparedCopy(programDir, series.names[1]), port);
}
