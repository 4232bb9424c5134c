#pragma once

#include <QImage>
#include <QString>

// How loading a prepared photograph went.
enum class PhotoLoadOutcome {
    Loaded,
    // The file is missing or is no picture: the photograph is left out.
    Unusable,
    // Any other error, which the user is told about.
    Failed,
};

struct LoadedPhoto {
    PhotoLoadOutcome outcome = PhotoLoadOutcome::Unusable;
    QImage image;
    // For a failure: the error's number and its description.
    int errorNumber = 0;
    QString error;
};

LoadedPhoto LoadPhoto(const QString& path);

// The shortest side on which the stones can still be read: each point is
// sampled over 15 × 15 pixels, and 19 lines need 18 such steps across the
// board with some table around it.
inline constexpr int kSmallestPhotoSide = 400;
