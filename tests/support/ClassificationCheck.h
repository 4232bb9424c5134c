#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "recognition/RecognitionState.h"
#include "render/BoardPhoto.h"

// Stones over the whole board, index i + j * boardSize: the four corners
// and the middle of each edge always among them, about a third of the
// points in all.
std::vector<int> ScatteredStones(int boardSize, std::uint32_t seed);

// An intersection read as something it is not.
struct Misread {
    int i = 0;
    int j = 0;
    int truth = 0;
    int read = 0;
};

// How the classification read a rendered photograph, on its true grid.
struct ClassificationOutcome {
    PositionChanges changes;
    std::vector<Misread> misreads;
    int eventTurns = 0;
    int liveBoardRedraws = 0;
    // "(3, 3) empty read black, ..." for the messages.
    QString describe() const;
};

// Classifies every intersection of the photo against an empty board before.
ClassificationOutcome ClassifyOnPhoto(const BoardPhoto& photo, const std::vector<int>& stones);
