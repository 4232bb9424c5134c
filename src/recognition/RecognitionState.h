#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <optional>

#include "game/GameState.h"
#include "geometry/GridFollowing.h"
#include "recognition/CalibratedReading.h"

// How the position of a photograph differs from the one before it.
struct PositionChanges {
    int newWhite = 0;            // white now, empty before
    int newBlack = 0;            // black now, empty before
    int goneWhite = 0;           // empty now, white before
    int goneBlack = 0;           // empty now, black before
    bool colourChanged = false;  // a stone is now of the other colour

    // No stone came or went; a stone that changed colour alone is no change.
    bool unchanged() const {
        return newWhite == 0 && newBlack == 0 && goneWhite == 0 && goneBlack == 0;
    }
};

// What the recognition of a game keeps between photographs.
struct RecognitionState {
    // The prepared photograph under analysis, as the main window shows it.
    QImage Photo;
    // The prepared copy of the series' first photograph: the empty board,
    // against which an unchanged photograph is no pass.
    QString FirstPreparedPhoto;
    // That photograph itself, once loaded.
    QImage FirstPhoto;

    // Where the grid was last seen on the board's lines; std::nullopt when
    // the lines of the first photograph could not be found.
    std::optional<FollowedGrid> Followed;
    // How this game's empty board looks, when the photographs are read
    // against it; std::nullopt: read with the fixed colour rule.
    std::optional<BoardCalibration> Calibration;
    // How far this game's stones stand from the empty board so far.
    StoneLevels Levels;

    // The photographs are taken at intervals rather than after each move:
    // two stones, one of each colour, are two moves.
    bool IntervalPhotos = false;
    // Something reached in over the board on the photograph last read
    // against the empty board.
    bool ReachedIn = false;

    // The first photograph showed a game in progress: position 0 holds its
    // stones, and the game goes on from them.
    bool StartsFromPosition = false;

    // While set, every black stone found is listed as a handicap stone;
    // cleared when the first white stone appears.
    bool HandicapCollecting = false;
    // "[ab]" tokens of the black stones, in scan order (i outer, j inner).
    QString HandicapList;
    // Black stones listed by the last classification.
    int HandicapCount = 0;
    // The list as a photograph first showed it, and that photograph.
    QString HandicapSeen;
    QString HandicapPhoto;
    // False when a listed stone is not on a star point.
    bool HandicapOnHoshi = true;
    // The star points of the board, as "[ab]" tokens; see HoshiListFor.
    QString HoshiList;

    // Move texts of the stones that appeared in the photograph, in scan
    // order; entries after the last stone are empty.
    std::array<QString, kMaxLines * kMaxLines> NewStones;
    // The photograph before was set aside, so this one must hold two moves.
    bool TwoMovesExpected = false;
    // The same photograph is to be analysed again, after an automatic retry.
    bool RetryPhoto = false;
    // Automatic retries already made on the photograph (0 ... 5).
    int RetryStep = 0;
};

// The star points of a board of 9, 13 or 19 lines as "[ab]" tokens.
QString HoshiListFor(int boardSize);
