#pragma once

#include <QString>

#include "render/BoardPhoto.h"

// Runs the line voting and the grid detection, with the check for a larger
// grid around the one detected, on a rendered photograph and
// measures how far the detected grid lies from the truth.
struct DetectionOutcome {
    bool found = false;
    int boardSize = 0;
    // Largest distance of a detected point from its true place, as a share
    // of the local grid spacing there (1e9 when the sizes differ).
    double worstError = 0;
    QString describe() const;
};

DetectionOutcome DetectOnPhoto(const BoardPhoto& photo);
