#include "recognition/CalibratedReading.h"

#include <QImage>
#include <algorithm>
#include <cmath>

#include "geometry/GridFit.h"
#include "recognition/Classification.h"
#include "recognition/ColourWindow.h"
#include "recognition/LightField.h"
#include "recognition/ReachingIn.h"
#include "util/Median.h"

namespace {

// The limits, in spreads of the board points' noise and in shares of the
// stones' level: a stone stands out by at least 6 spreads and is read once
// its change reaches 30% of its colour's level (a stone on the far edge of
// a steep webcam photo shows far less than one near the camera); the board
// stays within 4 spreads or a fifth of the level. The band in between is
// unclear.
constexpr float kStoneSpreads = 6;
constexpr float kBoardSpreads = 4;
constexpr float kStoneShare = 0.3f;
constexpr float kBoardShare = 0.2f;
// Before the first stone of a colour, nothing is read as one unless it
// stands out of the noise twice as far; the first stone itself stands apart
// from every other point by at least this factor.
constexpr float kFirstStoneSpreads = 2 * kStoneSpreads;
constexpr float kApart = 2;
// The noise never counts as less than 1%: the JPEG's rounding alone gives it.
constexpr float kLeastNoise = 0.01f;
// Nor the colour's, in the chromaticity the tint measures it in. A point
// within twice that of the board's colour keeps it.
constexpr float kLeastTint = 0.005f;
constexpr float kBoardTintSpreads = 2;
// On the first photograph a stone is less than half as bright as the board
// around it; even a pale board's knots and a printed seam are not.
constexpr float kFirstStoneRatio = 0.5f;

// The robust spread of the values around their median (1.4826 MAD: the
// standard deviation for normal noise).
float spread(const std::vector<float>& values) {
    const float centre = Median(values);
    std::vector<float> distances;
    for (float v : values) distances.push_back(std::abs(v - centre));
    return 1.4826f * Median(distances);
}

// The same on one side of the median only (sign -1 below, +1 above): the
// shadows beside the stones darken the board, never brighten it, and must
// not widen the white stones' limits.
float sideSpread(const std::vector<float>& values, float sign) {
    const float centre = Median(values);
    std::vector<float> distances;
    for (float v : values) {
        if (sign * (v - centre) >= 0) distances.push_back(sign * (v - centre));
    }
    return 1.4826f * Median(distances);
}

float change(const PointLook& seen, const PointLook& empty) {
    return std::log(std::max(1.0f, seen.luminance()) / std::max(1.0f, empty.luminance()));
}

std::array<float, 3> chromaticity(const PointLook& look) {
    const float l = std::max(1.0f, look.luminance());
    return {(look.red - l) / l, (look.green - l) / l, (look.blue - l) / l};
}

float tint(const PointLook& seen, const PointLook& empty) {
    const auto s = chromaticity(seen);
    const auto e = chromaticity(empty);
    return std::hypot(s[0] - e[0], s[1] - e[1], s[2] - e[2]);
}

// 1 minus the share of the empty look's colour that the seen look keeps
// along it.
float greyness(const PointLook& seen, const PointLook& empty) {
    const auto s = chromaticity(seen);
    const auto e = chromaticity(empty);
    const float norm = e[0] * e[0] + e[1] * e[1] + e[2] * e[2];
    if (norm <= 0) return 0;
    return 1 - (s[0] * e[0] + s[1] * e[1] + s[2] * e[2]) / norm;
}

// The median of each channel over the looks.
PointLook channelMedian(const std::vector<PointLook>& looks) {
    std::vector<float> red, green, blue;
    for (const PointLook& look : looks) {
        red.push_back(look.red);
        green.push_back(look.green);
        blue.push_back(look.blue);
    }
    return {Median(red), Median(green), Median(blue)};
}

// The looks of the board's points, or of the empty ones of position 0 only.
std::vector<PointLook> looksOf(const BoardLooks& looks, const GameState& state, bool emptyOnly) {
    std::vector<PointLook> kept;
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) {
            if (!emptyOnly || state.Positions(i, j, 0) == kEmpty)
                kept.push_back(looks[LookIndex(i, j)]);
        }
    }
    return kept;
}

// The places that should show the bare board now: every cell centre, and
// the intersections empty in the position before.
std::vector<LightField::Sample> boardSamples(const BoardLooks& points, const CellLooks& cells,
                                             const BoardCalibration& calibration,
                                             const GameState& state) {
    std::vector<LightField::Sample> samples;
    const int g = state.GridMax;
    for (int a = 0; a <= g + 1; ++a) {
        for (int b = 0; b <= g + 1; ++b)
            samples.push_back(
                {a - 0.5, b - 0.5, cells[CellIndex(a, b)], calibration.cells[CellIndex(a, b)]});
    }
    for (int i = 0; i <= g; ++i) {
        for (int j = 0; j <= g; ++j) {
            if (state.Positions(i, j, state.MoveCount - 1) != kEmpty) continue;
            samples.push_back({double(i), double(j), points[LookIndex(i, j)],
                               calibration.points[LookIndex(i, j)]});
        }
    }
    return samples;
}

// The changes (or another measure) of the points that held the given value
// before.
std::vector<float> readingsWhere(const CalibratedReading& reading, const GameState& state,
                                 int value, float PointReading::*measure = &PointReading::change) {
    std::vector<float> values;
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) {
            if (state.Positions(i, j, state.MoveCount - 1) == value)
                values.push_back(reading.points[LookIndex(i, j)].*measure);
        }
    }
    return values;
}

float levelOr(const std::vector<float>& changes, float known) {
    return changes.empty() ? known : Median(changes);
}

// A colour's level: the median change of the points that held it before;
// with none, the level learned earlier; before the first stone of the
// colour, the strongest change in its direction, when it stands out of the
// noise and twice as far as any other point: one stone, and the board.
float levelFor(const CalibratedReading& reading, const GameState& state, int value, float known,
               float noise) {
    const std::vector<float> held = readingsWhere(reading, state, value);
    if (!held.empty()) return Median(held);
    if (known != 0) return known;
    const float sign = value == kBlack ? -1.0f : 1.0f;
    float strongest = 0;
    float runnerUp = 0;
    for (float c : readingsWhere(reading, state, kEmpty)) {
        if (sign * c > strongest) {
            runnerUp = strongest;
            strongest = sign * c;
        } else {
            runnerUp = std::max(runnerUp, sign * c);
        }
    }
    const bool apart = strongest >= kStoneSpreads * noise && strongest >= kApart * runnerUp;
    return apart ? sign * strongest : 0;
}

ReadingLimits limitsFor(const CalibratedReading& reading, const GameState& state,
                        const StoneLevels& levels) {
    const std::vector<float> board = readingsWhere(reading, state, kEmpty);
    const float noise = std::max(kLeastNoise, spread(board));
    const float darker = std::max(kLeastNoise, sideSpread(board, -1));
    const float brighter = std::max(kLeastNoise, sideSpread(board, 1));
    const float black = std::abs(levelFor(reading, state, kBlack, levels.black, noise));
    const float white = std::abs(levelFor(reading, state, kWhite, levels.white, noise));
    const auto stoneLimit = [](float level, float side) {
        return level == 0 ? kFirstStoneSpreads * side
                          : std::max(kStoneSpreads * side, kStoneShare * level);
    };
    ReadingLimits limits;
    limits.blackStone = stoneLimit(black, darker);
    limits.whiteStone = stoneLimit(white, brighter);
    limits.blackBoard = std::max(kBoardSpreads * darker, kBoardShare * black);
    limits.whiteBoard = std::max(kBoardSpreads * brighter, kBoardShare * white);
    // The tints are distances, so their median is their noise.
    const float tintNoise =
        std::max(kLeastTint, Median(readingsWhere(reading, state, kEmpty, &PointReading::tint)));
    const float whiteTint =
        levelOr(readingsWhere(reading, state, kWhite, &PointReading::tint), levels.whiteTint);
    if (whiteTint >= kStoneSpreads * tintNoise) {
        limits.whiteTintStone = std::max(kStoneSpreads * tintNoise, kStoneShare * whiteTint);
        limits.whiteTintBoard = kBoardTintSpreads * tintNoise;
    }
    return limits;
}

// What the point shows by itself, std::nullopt when that is not clear.
std::optional<int> clearVerdict(const PointReading& p, const ReadingLimits& limits) {
    if (p.change < -limits.blackStone) return kBlack;
    if (p.change > limits.whiteStone) {
        if (p.tint < limits.whiteTintBoard) return std::nullopt;  // the board, brighter
        return kWhite;
    }
    if (p.change >= -limits.blackBoard && p.change <= limits.whiteBoard) return kEmpty;
    if (limits.whiteTintStone > 0 && p.change > 0 && p.tint >= limits.whiteTintStone)
        return kWhite;  // a white stone seen dimly
    return std::nullopt;
}

// The side of the blocks the photograph is compared in, to see what
// reaches in from outside it: a third of the grid spacing at the middle.
int blockSide(const GameState& state) {
    const int middle = state.GridMax / 2;
    return std::max(2, static_cast<int>(std::lround(DimensionePietra(state, middle, middle) / 3)));
}

bool reachedAt(const LookArea& area, const BlockMap& blocks, const std::vector<bool>& reached) {
    const int x = std::clamp(area.x / blocks.side, 0, blocks.columns - 1);
    const int y = std::clamp(area.y / blocks.side, 0, blocks.rows - 1);
    return reached[x + y * blocks.columns];
}

StoneLevels levelsRead(const CalibratedReading& reading, const GameState& state,
                       const StoneLevels& known) {
    std::vector<float> black;
    std::vector<float> white;
    std::vector<float> whiteTints;
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) {
            const PointReading& p = reading.points[LookIndex(i, j)];
            if (p.kept) continue;
            if (p.verdict == kBlack) black.push_back(p.change);
            if (p.verdict == kWhite) {
                white.push_back(p.change);
                whiteTints.push_back(p.tint);
            }
        }
    }
    return {levelOr(black, known.black), levelOr(white, known.white),
            levelOr(whiteTints, known.whiteTint)};
}

// What every calibration keeps of the first photograph besides its points.
BoardCalibration photographAround(const QImage& firstPhoto, const GameState& state) {
    BoardCalibration calibration;
    calibration.cells = SampleCellLooks(firstPhoto, state);
    calibration.blocks = MapBlocks(firstPhoto, blockSide(state));
    if (const std::optional<GridFrame> grid = FrameOfGrid(state.grid()))
        calibration.gridToPhoto = grid->toPhoto;
    return calibration;
}

}  // namespace

BoardCalibration CalibrateBoard(const QImage& firstPhoto, const GameState& state) {
    BoardCalibration calibration = photographAround(firstPhoto, state);
    const BoardLooks looks = SamplePointLooks(firstPhoto, state);
    // The board as a smooth field of light over one colour, fitted to all
    // points and cells; a stone does not fit it.
    const PointLook flat = channelMedian(looksOf(looks, state, false));
    std::vector<LightField::Sample> samples;
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j)
            samples.push_back({double(i), double(j), looks[LookIndex(i, j)], flat});
    }
    const LightField board = LightField::Fit(samples, state.GridMax);
    std::vector<float> changes;
    for (const LightField::Sample& s : samples)
        changes.push_back(change(s.now, board.Apply(flat, s.i, s.j)));
    const float darkest = std::min(std::log(kFirstStoneRatio),
                                   -kStoneSpreads * std::max(kLeastNoise, spread(changes)));
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) {
            const int k = LookIndex(i, j);
            const PointLook predicted = board.Apply(flat, i, j);
            const bool stone = change(looks[k], predicted) < darkest;
            calibration.points[k] = stone ? predicted : looks[k];
            if (stone) calibration.firstStones.push_back(k);
        }
    }
    return calibration;
}

BoardCalibration CalibrateAroundStones(const QImage& firstPhoto, const GameState& state) {
    BoardCalibration calibration = photographAround(firstPhoto, state);
    const BoardLooks looks = SamplePointLooks(firstPhoto, state);
    const std::vector<PointLook> empty = looksOf(looks, state, true);
    if (empty.empty()) return calibration;
    const PointLook flat = channelMedian(empty);
    std::vector<LightField::Sample> samples;
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) {
            if (state.Positions(i, j, 0) == kEmpty)
                samples.push_back({double(i), double(j), looks[LookIndex(i, j)], flat});
        }
    }
    const LightField board = LightField::Fit(samples, state.GridMax);
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) {
            const int k = LookIndex(i, j);
            const bool stone = state.Positions(i, j, 0) != kEmpty;
            calibration.points[k] = stone ? board.Apply(flat, i, j) : looks[k];
        }
    }
    return calibration;
}

namespace {

// Whether the grid lies where it lay on the first photograph, within the
// few pixels the automatic retries shift it by, at the photograph's corners.
bool gridInPlace(const BlockMap& blocks, const BoardCalibration& calibration,
                 const GameState& state) {
    const std::optional<GridFrame> grid = FrameOfGrid(state.grid());
    if (!grid || !calibration.gridToPhoto) return true;
    const std::optional<Homography> toGrid = grid->toPhoto.inverted();
    if (!toGrid) return true;
    const Homography toEmpty = *calibration.gridToPhoto * *toGrid;
    const double width = blocks.side * blocks.columns, height = blocks.side * blocks.rows;
    for (const QPointF corner :
         {QPointF(0, 0), QPointF(width, 0), QPointF(width, height), QPointF(0, height)}) {
        const QPointF moved = toEmpty.map(corner) - corner;
        constexpr double kRetryShifts = 3;
        if (std::hypot(moved.x(), moved.y()) > kRetryShifts) return false;
    }
    return true;
}

// How much more saturated than the fixed rule's limit the empty board must
// be for that rule to read the game.
constexpr float kLightMargin = 1.25f;

}  // namespace

std::optional<BoardCalibration> ChooseCalibration(const QImage& firstPhoto,
                                                  const GameState& state) {
    const QImage photo = AsRgb32(firstPhoto);
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) {
            const ColourStats stats = SampleWindow(photo, state.GridPoints(i, j, 0),
                                                   state.GridPoints(i, j, 1) - kWindowLift);
            // Read empty with room to spare: a photograph a fifth darker (a
            // cloud, the camera's exposure) must still read empty there.
            if (ClassifyWindow(stats) != kEmpty ||
                stats.saturation < kLightMargin * kEmptySaturation)
                return CalibrateBoard(photo, state);
        }
    }
    return std::nullopt;
}

CalibratedReading ReadCalibrated(const QImage& picture, const GameState& state,
                                 const BoardCalibration& calibration, const StoneLevels& levels) {
    const QImage photo = AsRgb32(picture);
    const BoardLooks points = SamplePointLooks(photo, state);
    const CellLooks cells = SampleCellLooks(photo, state);
    const LightField light =
        LightField::Fit(boardSamples(points, cells, calibration, state), state.GridMax);
    CalibratedReading reading;
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) {
            PointReading& p = reading.points[LookIndex(i, j)];
            p.empty = calibration.points[LookIndex(i, j)];
            p.seen = light.Undo(points[LookIndex(i, j)], i, j);
            p.change = change(p.seen, p.empty);
            p.greyness = greyness(p.seen, p.empty);
            p.tint = tint(p.seen, p.empty);
        }
    }
    reading.limits = limitsFor(reading, state, levels);
    // What reaches in is told by comparing the photograph with the empty
    // board block by block, which holds only while the camera and the board
    // stay where they were: once they move, the photograph is read as it is.
    const std::vector<bool> reached =
        gridInPlace(calibration.blocks, calibration, state)
            ? ReachingIn(MapBlocks(photo, calibration.blocks.side), calibration.blocks,
                         std::min(reading.limits.blackStone, reading.limits.whiteStone),
                         WidenedGrid(state, 1))
            : std::vector<bool>(calibration.blocks.looks.size(), false);
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) {
            PointReading& p = reading.points[LookIndex(i, j)];
            const int before = state.Positions(i, j, state.MoveCount - 1);
            const std::optional<int> clear = clearVerdict(p, reading.limits);
            const bool reachedHere = reachedAt(PointArea(state, i, j), calibration.blocks, reached);
            reading.reachedIn = reading.reachedIn || reachedHere;
            p.kept = !clear || (*clear != before && reachedHere);
            p.verdict = p.kept ? before : *clear;
        }
    }
    reading.levels = levelsRead(reading, state, levels);
    return reading;
}
