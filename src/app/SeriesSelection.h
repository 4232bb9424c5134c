#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "imaging/VideoFrames.h"

class Program;
class UserPort;

// The photo series a run walks through: the file list of the photographs'
// folder and the positions of the first and the last photograph in it.
struct SelectedSeries {
    QStringList names;
    int first = -1;
    int last = -1;
    // A video given as the first photograph, its frames the series' names;
    // empty for photographs.
    QString video;
    std::vector<VideoFrame> frames;
    QString ffmpeg;  // the program that takes the frames out
};

// The position of a file name in a list, letter case ignored; of several
// equal names the last counts. -1 when it is not there.
int FindPhotoName(const QStringList& names, const QString& name);

// Checks what processing needs before anything changes: the first
// photograph in its folder's list, the last one in its folder's list and
// after the first, a rules text; or a video as the first photograph, which
// needs no last one. On the first failure the user hears a beep, the field
// is marked and std::nullopt comes back; a video without ffmpeg, or one
// whose length ffprobe cannot tell, is told in a message instead. The
// program's photo list is left on the last photograph's folder.
std::optional<SelectedSeries> SelectSeries(Program& program, const QString& firstPhoto,
                                           const QString& lastPhoto, UserPort& port);
