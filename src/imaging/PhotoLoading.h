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
