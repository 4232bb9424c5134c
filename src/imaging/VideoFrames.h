#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class ScriptRunner;
class UserPort;

// A video file of a game is read as photographs taken at intervals: ffmpeg
// takes frames out of it, two a second, each shrunk to at most 1600 pixels
// on its longer side, into the working folder.
inline constexpr double kFramesPerSecond = 2;

// Whether the file is a video, by its extension: .mp4, .mov, .mkv, .avi,
// .webm or .m4v, in any letter case.
bool IsVideoFile(const QString& path);

// The file name patterns of the videos, for a file browser.
QStringList VideoPatterns();

// Where a tool of the ffmpeg package ("ffmpeg", "ffprobe") is: beside the
// program, or on the system's search path. "" when missing.
QString FindVideoTool(const QString& name, const QString& programDir);

// The length of the video in seconds, as ffprobe tells it; std::nullopt
// when it cannot tell (no ffprobe, not a video).
std::optional<double> VideoSeconds(const QString& ffprobe, const QString& video);

// One frame taken out of a video.
struct VideoFrame {
    QString name;  // its file name in the working folder
    double seconds = 0;
};

// The frames of a video of the given length: at 0, 0.5, 1, ... seconds,
// named after the video and their number.
std::vector<VideoFrame> FramesOf(const QString& video, double seconds);

// "mm:ss", the time of a frame in the video (minutes beyond 99 go on).
QString VideoTimeText(double seconds);

// Has the frames taken out in the background, as PreparePhotos has the
// photographs prepared: the working folder emptied, the script written and
// started; returns once the second frame is written.
void PrepareVideoFrames(const QString& programDir, const QString& video, const QString& ffmpeg,
                        const std::vector<VideoFrame>& frames, ScriptRunner& runner,
                        UserPort& port);

// What the user is told when a video is given and ffmpeg is missing.
QString VideoToolMissingText();
