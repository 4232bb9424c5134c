#pragma once

#include <QString>

class QProcess;
#include <QStringList>
#include <functional>

// The image converter (ImageMagick's convert) that shrinks the photographs,
// corrects their gamma and compresses the kifu sheet.

// Where the converter is: on Windows "vconvert.exe" beside "vcomp100.dll"
// in the program folder; elsewhere "vconvert" in the program folder, or
// "convert" or "magick" in one of the searchPath folders. "" when missing.
QString FindConverter(const QString& programDir, const QStringList& searchPath);
// The same with the system's search path.
QString FindConverter(const QString& programDir);

// Starts a converter command line (program and arguments, paths in double
// quotes) without a window; returns whether it started. The converter runs
// in the folder of its output, its last argument: from any other folder
// ImageMagick can misread a file name with brackets, such as "a [kifu].bmp",
// as a pattern. And it gets a resource policy of its own: the Debian build
// of ImageMagick keeps every picture under 256 MB of memory and 1 GB of
// disk cache, which a 9600-pixel kifu sheet exceeds.
bool StartConverterProcess(QProcess& process, const QString& commandLine);

// Waits until a started process ends. Between short waits shouldStop is
// asked; when it says yes, the process is stopped and the wait ends.
void WaitForProcess(QProcess& process, const std::function<bool()>& shouldStop);

// The warning when the converter is missing, as the user sees it.
QString ConverterMissingText();
inline const QString kProcessingTitle = QStringLiteral("Banmark - Elaborazione");

// A path in double quotes, as every path on a converter command line is.
inline QString Quoted(const QString& path) { return u'"' + path + u'"'; }

// Splits a command line into the program and its arguments: words are
// separated by blanks, and a double-quoted part keeps its blanks.
QStringList SplitCommandLine(const QString& commandLine);
