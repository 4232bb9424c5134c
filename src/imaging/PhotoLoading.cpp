#include "imaging/PhotoLoading.h"

#include <QImageReader>

LoadedPhoto LoadPhoto(const QString& path) {
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
