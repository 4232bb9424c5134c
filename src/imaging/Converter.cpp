#include "imaging/Converter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "game/Version.h"
#include "util/ProgramFiles.h"

namespace {

// Limits for one converter run: a 9600 x 12500 sheet needs about 1 GB of
// pixel cache; larger caches go to disk.
constexpr char kResourcePolicy[] =
    "<policymap>\n"
    "  <policy domain=\"resource\" name=\"memory\" value=\"2GiB\"/>\n"
    "  <policy domain=\"resource\" name=\"map\" value=\"4GiB\"/>\n"
    "  <policy domain=\"resource\" name=\"area\" value=\"1GP\"/>\n"
    "  <policy domain=\"resource\" name=\"disk\" value=\"8GiB\"/>\n"
    "</policymap>\n";

// A folder holding the policy, made once per program run. ImageMagick reads
// policy.xml from MAGICK_CONFIGURE_PATH before its system-wide one.
QString policyFolder() {
    static QTemporaryDir folder;
    static const bool written = [] {
        QFile policy(folder.filePath(QStringLiteral("policy.xml")));
        return folder.isValid() && policy.open(QIODevice::WriteOnly) &&
               policy.write(kResourcePolicy) == qint64(sizeof(kResourcePolicy) - 1);
    }();
    return written ? folder.path() : QString();
}

}  // namespace

QString FindConverter(const QString& programDir, const QStringList& searchPath) {
#ifdef Q_OS_WIN
    const QString converter = programDir + QStringLiteral("vconvert.exe");
    return FileExists(converter, QString()) &&
                   FileExists(programDir + QStringLiteral("vcomp100.dll"), QString())
               ? converter
               : QString();
#else
    const QString own = programDir + QStringLiteral("vconvert");
    if (QFileInfo(own).isExecutable()) return own;
    if (searchPath.isEmpty()) return {};  // an empty list would mean the system's path
    for (const QString& name : {QStringLiteral("convert"), QStringLiteral("magick")}) {
        const QString found = QStandardPaths::findExecutable(name, searchPath);
        if (!found.isEmpty()) return found;
    }
    return {};
#endif
}

QString FindConverter(const QString& programDir) {
    const QString path = QProcessEnvironment::systemEnvironment().value(QStringLiteral("PATH"));
    return FindConverter(programDir, path.split(QDir::listSeparator(), Qt::SkipEmptyParts));
}

bool StartConverterProcess(QProcess& process, const QString& commandLine) {
    QStringList words = SplitCommandLine(commandLine);
    if (words.isEmpty()) return false;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString policy = policyFolder();
    if (!policy.isEmpty()) environment.insert(QStringLiteral("MAGICK_CONFIGURE_PATH"), policy);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QFileInfo(words.last()).absolutePath());
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(words.takeFirst(), words);
    return process.waitForStarted();
}

void WaitForProcess(QProcess& process, const std::function<bool()>& shouldStop) {
    constexpr int kPollMilliseconds = 20;
    while (!process.waitForFinished(kPollMilliseconds)) {
        if (process.state() == QProcess::NotRunning) return;
        if (shouldStop()) {
            process.kill();
            process.waitForFinished();
            return;
        }
    }
}

QString ConverterMissingText() {
    return QStringLiteral(
               "Impossibile trovare vconvert.exe e/o vcomp100.dll (ImageMagick).\r\n"
               "Ripristinarli da una distribuzione di Banmark v%1.")
        .arg(versionText());
}

QStringList SplitCommandLine(const QString& commandLine) {
    QStringList words;
    QString word;
    bool quoted = false, inWord = false;
    for (QChar c : commandLine) {
        if (c == u'"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == u' ' && !quoted) {
            if (inWord) words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words << word;
    return words;
}
