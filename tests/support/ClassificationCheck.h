#pragma once

#include <QStringList>
#include <cstdint>
#include <vector>

#include "game/GameState.h"
#include "recognition/RecognitionState.h"
#include "render/BoardPhoto.h"

// Stones over the whole board, index i + j * boardSize: the four corners
// and the middle of each edge always among them, about a third of the
// points in all.
std::vector<int> ScatteredStones(int boardSize, std::uint32_t seed);

// The photo's true grid as the game's grid, analysing move 1.
GameState OnTrueGrid(const BoardPhoto& photo);

// How the classification read a rendered photograph, on its true grid.
struct ClassificationOutcome {
    PositionChanges changes;
    // The points read wrong, "(3, 3) empty read black" each.
    QStringList misreads;
    int eventTurns = 0;
    int liveBoardRedraws = 0;
};

// Classifies every intersection of the photo against an empty board before.
ClassificationOutcome ClassifyOnPhoto(const BoardPhoto& photo, const std::vector<int>& stones);
