#include "app/SeriesSelection.h"

#include <QFileInfo>

#include "app/Program.h"
#include "game/UserPort.h"
#include "imaging/Converter.h"
#include "imaging/PhotoPaths.h"

namespace {

// Points the photo list at the folder of the photograph and finds it there.
int findInItsFolder(PhotoList& photos, const QString& photo, QStringList& names) {
    photos.folder = DirectoryOf(photo);
    names = photos.Names();
    names.removeIf(IsVideoFile);  // a video beside the photographs is a game of its own
    return FindPhotoName(names, StripPath(photo));
}

std::nullopt_t refuse(InputField field, UserPort& port) {
    port.Beep();
    port.MarkInvalidInput(field);
    return std::nullopt;
}

std::nullopt_t tell(const QString& text, UserPort& port) {
    port.ShowMessage(
        {kProcessingTitle, text, MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok});
    return std::nullopt;
}

// A video as the first photograph: its frames are the series.
std::optional<SelectedSeries> selectVideo(Program& program, const QString& video, UserPort& port) {
    if (!QFileInfo(video).isFile()) return refuse(InputField::FirstPhoto, port);
    if (program.details.rules.isEmpty()) return refuse(InputField::Rules, port);
    SelectedSeries series;
    series.video = video;
    series.ffmpeg = FindVideoTool(QStringLiteral("ffmpeg"), program.state.ProgramDir);
    const QString ffprobe = FindVideoTool(QStringLiteral("ffprobe"), program.state.ProgramDir);
    if (series.ffmpeg.isEmpty() || ffprobe.isEmpty()) return tell(VideoToolMissingText(), port);
    const std::optional<double> seconds = VideoSeconds(ffprobe, video);
    if (!seconds)
        return tell(QStringLiteral("Non è stato possibile leggere il video:\r\n") + Quoted(video),
                    port);
    series.frames = FramesOf(video, *seconds);
    for (const VideoFrame& frame : series.frames) series.names << frame.name;
    series.first = 0;
    series.last = static_cast<int>(series.names.size()) - 1;
    return series;
}

}  // namespace

int FindPhotoName(const QStringList& names, const QString& name) {
    int found = -1;
    for (int k = 0; k < names.size(); ++k) {
        if (names[k].compare(name, Qt::CaseInsensitive) == 0) found = k;
    }
    return found;
}

std::optional<SelectedSeries> SelectSeries(Program& program, const QString& firstPhoto,
                                           const QString& lastPhoto, UserPort& port) {
    if (IsVideoFile(firstPhoto)) return selectVideo(program, firstPhoto, port);
    SelectedSeries series;
    series.first = findInItsFolder(program.photos, firstPhoto, series.names);
    if (series.first < 0) return refuse(InputField::FirstPhoto, port);
    series.last = findInItsFolder(program.photos, lastPhoto, series.names);
    if (series.last <= series.first) return refuse(InputField::LastPhoto, port);
    if (program.details.rules.isEmpty()) return refuse(InputField::Rules, port);
    return series;
}
