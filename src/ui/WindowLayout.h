#pragma once

#include <QRect>
#include <QSize>

// Where the main window's parts go, for a window of a given inner size.
// Sizes and places are in pixels; barHeight is the progress bar's height
// while it shows, 0 otherwise. The bar itself always spans the window's
// whole width along its bottom edge.

// The smallest window that holds both frames of the options panel side by
// side, with the progress bar below them while it shows.
QSize MinimumWindowSize(QSize options, QSize details, int barHeight);

// The options panel: the two frames side by side, 23 pixels apart, the
// pair centred in the window.
struct OptionsPlaces {
    QRect options;
    QRect details;
};
OptionsPlaces OptionsArrangement(QSize window, QSize options, QSize details, int barHeight);

// The processing view: the game details at the top right with the board
// frame below them, and the photograph filling the rest of the window at
// its own proportions (the whole area while no photograph is shown).
struct ProcessingPlaces {
    QRect photo;
    QRect details;
    QRect board;
};
ProcessingPlaces ProcessingArrangement(QSize window, QSize details, int boardHeight, QSize photo,
                                       int barHeight);

// The grid check: the photograph over the whole width, the confirmation
// button with its instructions below it.
struct CalibrationPlaces {
    QRect photo;
    QRect button;
};
CalibrationPlaces CalibrationArrangement(QSize window, int buttonHeight, QSize photo);
