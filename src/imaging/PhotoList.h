#pragma once

#include <QString>
#include <QStringList>

#include "imaging/VideoFrames.h"

// The file patterns of the photo browser: its "Immagini" entry, videos
// included (a video is a whole game), and "Tutti i file".
inline const QString kImagePattern =
    QStringLiteral("*.jpg;*.jpeg;*.bmp;*.ico;*.cur;*.wmf;*.emf;*.gif;") +
    VideoPatterns().join(u';');
inline const QString kAllFilesPattern = QStringLiteral("*");

// The files of one folder that match a pattern, which is where a photo
// series is read from. The pattern is every file until the user opens the
// photo browser, which sets the image pattern (or one the user types).
class PhotoList {
public:
    QString folder;
    QString pattern = kAllFilesPattern;

    // The names of the plain files in the folder that match one of the
    // pattern's ";"-separated wildcards, letter case ignored, sorted by name
    // without regard to letter case. Empty when the folder cannot be read.
    QStringList Names() const;
};

// Whether a typed pattern can be used: at least one wildcard, and no folder
// separators (a pattern picks names inside the folder, not other folders).
bool IsValidPattern(const QString& pattern);

// Whether the file candidate belongs to the series of the photograph whose
// prepared copy is previous (tempFolder + its file name); all three in lower
// case. It does when there is no previous photograph yet, or when the names
// are of nearly the same length, end alike, and share four characters in a
// row somewhere in the previous name's body. That keeps a note or an
// unrelated picture in the folder out of the series.
bool IsSamePhotoSeries(const QString& previous, const QString& tempFolder,
                       const QString& candidate);
