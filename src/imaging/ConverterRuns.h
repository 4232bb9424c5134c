#pragma once

#include <QString>

class QImage;
class UserPort;

// Gives the photograph an automatic gamma correction into programDir +
// "temp.jpg" and waits for it. When the converter is missing the user is
// told and the result is false.
bool RunGammaCorrection(const QString& photo, const QString& programDir, const QString& converter,
                        UserPort& port);

// Stores a picture as base + ".png" through the converter, with the
// converter options between the input and the output (trimmed). Earlier
// files base + ".bmp" and base + ".png" are deleted first, so a failed
// conversion never leaves a stale file. The picture is saved as base +
// ".bmp" for the converter, which deletes it afterwards; without a
// converter the BMP stays and the user is told. When the BMP cannot be
// written the user is told which file and nothing is left; the result is
// then false.
bool SavePictureAsPng(const QImage& picture, const QString& base, const QString& options,
                      const QString& converter, UserPort& port);
