#include "imaging/PhotoLoading.h"

#include <QImageReader>

namespace {

// Without a converter the photographs are read at full size: a 48-megapixel
// phone photograph takes 192 MB, above Qt's default limit of 128 MB.
constexpr int kLargestPhotoMegabytes = 1024;

}  // namespace

LoadedPhoto LoadPhoto(const QString& path) {
    QImageReader::setAllocationLimit(kLargestPhotoMegabytes);
    QImageReader reader(path);
    LoadedPhoto loaded;
    loaded.image = reader.read();
    if (!loaded.image.isNull()) {
        loaded.outcome = PhotoLoadOutcome::Loaded;
        return loaded;
    }
    switch (reader.error()) {
        case QImageReader::FileNotFoundError:
        case QImageReader::UnsupportedFormatError:
        case QImageReader::InvalidDataError:
            return loaded;
        default:
            loaded.outcome = PhotoLoadOutcome::Failed;
            loaded.errorNumber = static_cast<int>(reader.error());
            loaded.error = reader.errorString();
            return loaded;
    }
}
