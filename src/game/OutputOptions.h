#pragma once

#include <QString>

// Entries of the kifu width unit list, by index.
inline constexpr int kUnitCm = 0;
inline constexpr int kUnitInch = 1;
inline constexpr int kUnitPixel = 2;

// The choices of the options panel, the only values the settings file
// keeps. The panel's widgets show and edit them; the texts are kept as the
// user typed them, because the fields are validated on their own schedule.
struct OutputOptions {
    bool saveSgf = true;                      // "Salva file SGF"
    bool saveKifu = true;                     // "Genera kifu"
    int widthUnit = kUnitInch;                // kUnitCm, kUnitInch, kUnitPixel, -1 for none
    QString widthText = QStringLiteral("8");  // kifu width in that unit
    QString dpiText = QStringLiteral("300");  // kifu resolution, dots per inch
    // "Foto a intervalli (time-lapse o video)": the photographs are taken
    // every few seconds rather than after each move.
    bool intervalPhotos = false;
    // The sheet width in pixels that the kifu renderer draws, as decimal text;
    // kept up to date by CheckDimensioneKifu.
    QString sheetWidthTag;
};
