#pragma once

#include <QString>
#include <QStringList>

class ScriptRunner;
class UserPort;

// The photographs of a series: their folder (a final separator is not
// needed) and their file names in order.
struct PhotoSeries {
    QString folder;
    QStringList names;
};

// Where the prepared copy of a photograph goes: programDir + "temp" + the
// photograph's own file name.
QString PreparedCopy(const QString& programDir, const QString& name);

// The lines of the preparation script "temp.bat": one converter run per
// photograph, shrinking it to at most 1600 pixels on its longer side, or a
// plain copy when there is no converter.
QStringList PreparationScript(const QString& programDir, const PhotoSeries& series,
                              const QString& converter);

// Empties the working folder, writes the script there as "temp.bat" (lines
// ended by CR LF) and starts it in the background (ScriptRunner::Start).
void StartPreparation(const QString& programDir, const QStringList& script, ScriptRunner& runner,
                      bool filesAppearWhole = false);

// Has the series prepared in the background: the working folder emptied,
// the script written (lines ended by CR LF) and started. Returns once the
// copy of the second photograph is complete, or the script has ended
// without it; at once, after a warning, when the converter is missing.
void PreparePhotos(const QString& programDir, const PhotoSeries& series, const QString& converter,
                   ScriptRunner& runner, UserPort& port);
