#include "app/SeriesSelection.h"

#include "app/Program.h"
#include "game/UserPort.h"
#include "imaging/PhotoPaths.h"

namespace {

// Points the photo list at the folder of the photograph and finds it there.
int findInItsFolder(PhotoList& photos, const QString& photo, QStringList& names) {
    photos.folder = DirectoryOf(photo);
    names = photos.Names();
    return FindPhotoName(names, StripPath(photo));
}

std::nullopt_t refuse(InputField field, UserPort& port) {
    port.Beep();
    port.MarkInvalidInput(field);
    return std::nullopt;
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
    SelectedSeries series;
    series.first = findInItsFolder(program.photos, firstPhoto, series.names);
    if (series.first < 0) return refuse(InputField::FirstPhoto, port);
    series.last = findInItsFolder(program.photos, lastPhoto, series.names);
    if (series.last <= series.first) return refuse(InputField::LastPhoto, port);
    if (program.details.rules.isEmpty()) return refuse(InputField::Rules, port);
    return series;
}
