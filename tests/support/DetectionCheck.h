#pragma once

#include <QString>

#include "render/BoardPhoto.h"

// Runs the line voting and the board finder on a rendered photograph and
// measures how far the grid found lies from the truth.
struct DetectionOutcome {
    bool found = false;
    int boardSize = 0;
    // Largest distance of a detected point from its true place, as a share
    // of the local grid spacing there (1e9 when the sizes differ).
    double worstError = 0;
    QString describe() const;
};

DetectionOutcome DetectOnPhoto(const BoardPhoto& photo);

// A board with about three stones in four points, as at the end of a game,
// in BoardPhotoSetup::stones' order; the same seed gives the same board.
std::vector<int> CrowdedBoard(int lines, std::uint32_t seed);
