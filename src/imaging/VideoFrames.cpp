#include "imaging/VideoFrames.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cmath>

#include "imaging/Converter.h"
#include "imaging/PhotoPreparation.h"
#include "imaging/ScriptRunner.h"

namespace {

const QStringList kVideoExtensions{QStringLiteral("mp4"),  QStringLiteral("mov"),
                                   QStringLiteral("mkv"),  QStringLiteral("avi"),
                                   QStringLiteral("webm"), QStringLiteral("m4v")};

// ffprobe's answer within this long, or none: it reads only the file's header.
constexpr int kProbeMilliseconds = 20000;
// The frames one ffmpeg run takes out, one after the other: a run seeks to
// the key frame before its first and decodes on from there, which costs as
// much as decoding a few seconds of video.
constexpr int kFramesPerRun = 20;

// The lines of the preparation script "temp.bat" for a video: one ffmpeg
// run per few seconds of it, each seeking to its start and writing its
// frames into the working folder, so that the frames come out in order, on
// every core.
QStringList frameScript(const QString& programDir, const QString& video, const QString& ffmpeg,
                        const std::vector<VideoFrame>& frames) {
    QStringList lines{QStringLiteral("@echo off"), QStringLiteral("cls")};
    const QString names =
        PreparedCopy(programDir, QFileInfo(video).completeBaseName() + QStringLiteral(" %05d.jpg"));
    for (std::size_t first = 0; first < frames.size(); first += kFramesPerRun) {
        // Seeking before the input decodes from the key frame before the
        // time, not from the start. The frames are shrunk, never enlarged,
        // to 1600 pixels on their longer side, and each is written under
        // another name first, so that it is whole once it is there.
        lines << Quoted(ffmpeg) + QStringLiteral(" -v error -ss ") +
                     QString::number(frames[first].seconds, 'f', 3) + QStringLiteral(" -t ") +
                     QString::number(kFramesPerRun / kFramesPerSecond, 'f', 3) +
                     QStringLiteral(" -i ") + Quoted(video) +
                     QStringLiteral(" -vf fps=%1,scale=iw*min(1\\,1600/max(iw\\,ih)):-2")
                         .arg(kFramesPerSecond) +
                     QStringLiteral(" -frames:v %1 -start_number %2 -atomic_writing 1 -q:v 2 -y ")
                         .arg(kFramesPerRun)
                         .arg(first + 1) +
                     Quoted(names);
    }
    return lines;
}

}  // namespace

bool IsVideoFile(const QString& path) {
    return kVideoExtensions.contains(QFileInfo(path).suffix().toLower());
}

QStringList VideoPatterns() {
    QStringList patterns;
    for (const QString& extension : kVideoExtensions) patterns << QStringLiteral("*.") + extension;
    return patterns;
}

QString FindVideoTool(const QString& name, const QString& programDir) {
    const QString own = programDir + name;
    if (QFileInfo(own).isExecutable()) return own;
    return QStandardPaths::findExecutable(name);
}

std::optional<double> VideoSeconds(const QString& ffprobe, const QString& video) {
    if (ffprobe.isEmpty()) return std::nullopt;
    QProcess probe;
    probe.start(ffprobe, {QStringLiteral("-v"), QStringLiteral("error"),
                          QStringLiteral("-show_entries"), QStringLiteral("format=duration"),
                          QStringLiteral("-of"), QStringLiteral("default=nw=1:nk=1"), video});
    if (!probe.waitForFinished(kProbeMilliseconds) || probe.exitCode() != 0) return std::nullopt;
    bool read = false;
    const double seconds =
        QString::fromLatin1(probe.readAllStandardOutput()).trimmed().toDouble(&read);
    if (!read || !(seconds > 0)) return std::nullopt;
    return seconds;
}

std::vector<VideoFrame> FramesOf(const QString& video, double seconds) {
    const QString base = QFileInfo(video).completeBaseName();
    std::vector<VideoFrame> frames;
    for (int k = 0; k / kFramesPerSecond < seconds; ++k) {
        // As ffmpeg numbers its files (frameScript).
        frames.push_back({QStringLiteral("%1 %2.jpg").arg(base).arg(k + 1, 5, 10, QChar(u'0')),
                          k / kFramesPerSecond});
    }
    return frames;
}

QString VideoTimeText(double seconds) {
    const int whole = static_cast<int>(std::floor(seconds));
    return QStringLiteral("%1:%2")
        .arg(whole / 60, 2, 10, QChar(u'0'))
        .arg(whole % 60, 2, 10, QChar(u'0'));
}

void PrepareVideoFrames(const QString& programDir, const QString& video, const QString& ffmpeg,
                        const std::vector<VideoFrame>& frames, ScriptRunner& runner,
                        UserPort& port) {
    StartPreparation(programDir, frameScript(programDir, video, ffmpeg, frames), runner, true);
    if (frames.size() >= 2) runner.WaitForFile(PreparedCopy(programDir, frames[1].name), port);
}

QString VideoToolMissingText() {
    return QStringLiteral(
        "Per leggere un video serve ffmpeg (pacchetto Debian \"ffmpeg\"), che non è stato "
        "trovato né accanto a Banmark né nel PATH.\r\nInstallarlo, oppure estrarre dal video "
        "una foto ogni mezzo secondo e indicare la prima e l'ultima.");
}
