#pragma once

#include <array>
#include <optional>
#include <vector>

#include "geometry/Homography.h"
#include "recognition/PointLooks.h"
#include "recognition/ReachingIn.h"

struct GameState;
class QImage;

// How the empty board of this game looks, point by point, under the light
// of its first photograph: the reference every later photograph is read
// against.
struct BoardCalibration {
    // The empty look of each intersection. Where a stone already stood on
    // the first photograph, the look the board around it predicts there.
    BoardLooks points{};
    // The empty look of the cell centres around the intersections.
    CellLooks cells{};
    // The whole photograph in blocks of a third of the grid spacing.
    BlockMap blocks;
    // Where the grid lay on the first photograph, to tell when the camera or
    // the board has moved since.
    std::optional<Homography> gridToPhoto;
    // The black stones already on the first photograph (handicap stones
    // put down before it), as LookIndex values in scan order.
    std::vector<int> firstStones;
};

// How far this game's stones stand from the empty look, in the reading's
// measure (the log of the luminance ratio): negative for black, positive
// for white; 0 while no stone of that colour has been read.
struct StoneLevels {
    float black = 0;
    float white = 0;
    // How far the white stones' colour stands from the board's, as the
    // points' tint measures it; 0 while no white stone has been read.
    float whiteTint = 0;
};

// Where one photograph's reading draws its lines, in the same measure. A
// change below -blackStone is a black stone, above whiteStone a white one;
// within -blackBoard ... whiteBoard it is the board; in between it is not
// clear.
struct ReadingLimits {
    float blackStone = 0;
    float whiteStone = 0;
    float blackBoard = 0;
    float whiteBoard = 0;
    // Where this game's white stones show a colour of their own against the
    // board (a bluish white on maple), the colour tells too. A point as
    // bright as a white stone whose tint stays below whiteTintBoard is the
    // board in brighter light (the board's pale edge doubled into a corner
    // by a shaken camera), and is not clear. A point in the unclear band
    // above the board's whose tint reaches whiteTintStone is a white stone
    // seen dimly (blurred by the shake, or in a shadow). Both 0 where the
    // white stones share the board's colour.
    float whiteTintStone = 0;
    float whiteTintBoard = 0;
};

// What the reading saw at one intersection.
struct PointReading {
    // The empty look, and the photograph's look under the empty board's light.
    PointLook empty;
    PointLook seen;
    // ln(luminance seen / luminance empty): -0.7 is half as bright.
    float change = 0;
    // How much of the board's colour the point lost: 0 the board's colour,
    // 1 neutral grey.
    float greyness = 0;
    // How far the point's colour stands from the empty look's: the distance
    // between their chromaticities, 0 for the same colour at any brightness.
    float tint = 0;
    // kBlack, kWhite or kEmpty.
    int verdict = kEmpty;
    // The point was neither clearly a stone nor clearly the board, or what
    // changed there reaches in from the photograph's edge (a hand, a
    // sleeve): verdict is the reading of the photograph before.
    bool kept = false;
};

struct CalibratedReading {
    std::array<PointReading, kMaxLines * kMaxLines> points{};
    ReadingLimits limits;
    // The stones' levels as this photograph shows them, to read the next
    // one with.
    StoneLevels levels;
    // Something reaches in over the board's points: a hand, an arm.
    bool reachedIn = false;
};

// The empty look of the board on the game's first photograph. Stones
// already on it show as points much darker than the board around them.
BoardCalibration CalibrateBoard(const QImage& firstPhoto, const GameState& state);

// The same for a first photograph whose stones are known (position 0 of
// state): the board's light is fitted to the empty points, and under each
// stone the board takes the look that light predicts there.
BoardCalibration CalibrateAroundStones(const QImage& firstPhoto, const GameState& state);

// The calibration to read the game with, or std::nullopt when the fixed
// colour rule reads every intersection of the first photograph as empty,
// with room to spare for the light to dim: on such a strongly coloured
// board the game is read as it always was.
std::optional<BoardCalibration> ChooseCalibration(const QImage& firstPhoto, const GameState& state);

// Reads every intersection of the photograph against the calibration. The
// position of move state.MoveCount - 1 tells which points should still
// show the board (the light is measured on them) and what an unclear point
// keeps. The limits come from this game: the noise of the board points and
// the stones' levels (this photograph's stones of the photograph before,
// or levels when it shows none of a colour).
CalibratedReading ReadCalibrated(const QImage& photo, const GameState& state,
                                 const BoardCalibration& calibration, const StoneLevels& levels);
