#include "geometry/GridDetection.h"

#include <array>
#include <cmath>
#include <limits>

#include "game/GameState.h"
#include "geometry/FamilySpacing.h"
#include "geometry/VotePeaks.h"
#include "util/Geometry.h"
#include "util/Numbers.h"

namespace {

constexpr int kAngleBlock = 16;
constexpr int kPeakCount = 128;
constexpr int kFamilyCount = 5;
constexpr int kMaxFamilyLines = 127;
constexpr int kAngleCentre = kAngleSteps / 2;
constexpr int kSecondPassTurn = 180;  // 45 degrees in angle steps
constexpr std::array<int, 3> kGridMaxes{8, 12, 18};

// The nearest int, or std::nullopt when the value does not fit one.
std::optional<int> nearestLong(double value) {
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(roundHalfEven(value));
}

// The two families of grid lines chosen for the grid: rows and columns.
struct FamilyPair {
    int a = -1;
    int b = -1;
};

class GridDetector {
public:
    GridDetector(bool secondPass, const LineVotes& votes, const AngleTables& angles, QSize photo,
                 BoardGrid& grid)
        : secondPass_(secondPass),
          votes_(votes),
          angles_(angles),
          photo_(photo),
          grid_(grid),
          block_(OffsetBlock(photo)),
          candidateCentre_(votes.HoughDiagonal / 2 + 1) {
        const int d2 = static_cast<int>(
            roundHalfEven(PointDistance(0, 0, votes.HoughDiagonal + 2, kAngleSteps)));
        secondLevelRows_ = d2 + 3;
        secondLevelCentre_ = d2 / 2 + 2;
    }

    bool run();

private:
    VoteTable turnedVotes() const;
    VoteTable secondLevelVotes() const;
    std::optional<FamilyPair> choosePair(const std::vector<VotePeak>& families) const;
    std::optional<double> crossingAngle(const VotePeak& family) const;
    bool collectLines(const VotePeak& family, Family& lines, float& meanAngle);
    bool acceptGridSize(const std::array<Family, 2>& families,
                        const std::array<std::vector<float>, 2>& ratios,
                        const std::array<float, 2>& meanAngles);
    bool writeGridPoints(const Family& columns, const Family& rows, int firstColumn, int firstRow);

    bool secondPass_;
    const LineVotes& votes_;
    const AngleTables& angles_;
    QSize photo_;
    BoardGrid& grid_;
    int block_;
    int candidateCentre_;
    int secondLevelRows_ = 0;
    int secondLevelCentre_ = 0;
    std::vector<VotePeak> candidates_;
    int cut_ = 0;
    // The accepted run: which family holds the rows, and where each run starts.
    int rowFamily_ = -1;
    int firstRowLine_ = 0;
    int firstColumnLine_ = 0;
};

bool GridDetector::run() {
    const VoteTable turned = secondPass_ ? turnedVotes() : VoteTable();
    candidates_ =
        FindVotePeaks(block_, kAngleBlock, secondPass_ ? turned : votes_.HoughVotes, kPeakCount);
    cut_ = PeakCutOff(candidates_);
    for (int k = cut_; k < kPeakCount; ++k) candidates_[k].votes = 0;

    const std::vector<VotePeak> families =
        FindVotePeaks(block_, kAngleBlock, secondLevelVotes(), kFamilyCount);
    const std::optional<FamilyPair> pair = choosePair(families);
    if (!pair) return false;

    std::array<Family, 2> lines;
    std::array<float, 2> meanAngles{};
    if (!collectLines(families[pair->a], lines[0], meanAngles[0]) ||
        !collectLines(families[pair->b], lines[1], meanAngles[1]))
        return false;

    std::array<std::vector<float>, 2> ratios;
    for (int f = 0; f < 2; ++f) {
        std::optional<std::vector<float>> cleaned = CleanFamily(lines[f]);
        if (!cleaned) return false;
        ratios[f] = std::move(*cleaned);
    }
    if (!acceptGridSize(lines, ratios, meanAngles)) return false;
    return writeGridPoints(lines[1 - rowFamily_], lines[rowFamily_], firstColumnLine_,
                           firstRowLine_);
}

// The votes turned by 45 degrees, so that the range of angles wraps at
// +-90 degrees instead of -45/135 degrees.
VoteTable GridDetector::turnedVotes() const {
    const VoteTable& votes = votes_.HoughVotes;
    VoteTable work(votes.rows());
    const int lastRow = votes_.HoughDiagonal + 2;
    for (int o = 0; o < votes.rows(); ++o) {
        for (int t = 0; t < kAngleSteps; ++t) {
            work(o, t) = t >= kSecondPassTurn
                             ? votes(o, t - kSecondPassTurn)
                             : votes(lastRow - o, t + kAngleSteps - kSecondPassTurn);
        }
    }
    return work;
}

// Each candidate line is a point (offset, angle); the lines of one family lie
// on a nearly straight curve of such points, which this vote finds.
VoteTable GridDetector::secondLevelVotes() const {
    VoteTable votes(secondLevelRows_);
    for (int k = 0; k < cut_; ++k) {
        const double p = candidates_[k].offset - candidateCentre_;
        const double q = candidates_[k].angle - kAngleCentre;
        for (int t = 0; t < kAngleSteps; ++t) {
            const int offset =
                static_cast<int>(roundHalfEven(p * angles_.CosTable[t] + q * angles_.SinTable[t])) +
                secondLevelCentre_;
            if (votes.contains(offset)) ++votes(offset, t);
        }
    }
    return votes;
}

// The angle, relative to the centre angle, at which a family crosses the
// centre offset; only families above the centre angle count.
std::optional<double> GridDetector::crossingAngle(const VotePeak& family) const {
    if (family.angle <= kAngleCentre) return std::nullopt;
    const double crossing =
        (family.offset - secondLevelCentre_) / static_cast<double>(angles_.SinTable[family.angle]);
    const std::optional<int> angle = nearestLong(crossing + kAngleCentre);
    if (!angle || *angle < 0 || *angle >= kAngleSteps) return std::nullopt;
    return crossing;
}

// The two families whose directions differ most (up to 90 degrees); of equal
// differences the first pair found.
std::optional<FamilyPair> GridDetector::choosePair(const std::vector<VotePeak>& families) const {
    int best = -1;
    FamilyPair pair;
    for (int u = 0; u < kFamilyCount; ++u) {
        const std::optional<double> qu = crossingAngle(families[u]);
        if (!qu) continue;
        for (int v = u + 1; v < kFamilyCount; ++v) {
            const std::optional<double> qv = crossingAngle(families[v]);
            if (!qv) continue;
            const int difference = DirectionDifference(*qu, *qv);
            if (difference > best) {
                best = difference;
                pair = {u, v};
            }
        }
    }
    if (pair.a < 0) return std::nullopt;
    return pair;
}

// Takes every remaining candidate close to the family's curve into the
// family, in order of offset; a candidate belongs to one family only.
bool GridDetector::collectLines(const VotePeak& family, Family& lines, float& meanAngle) {
    const double cosine = angles_.CosTable[family.angle];
    const double sine = angles_.SinTable[family.angle];
    const int r2 = family.offset - secondLevelCentre_;
    long long angleSum = 0;
    for (int o = 0; o < votes_.HoughVotes.rows(); ++o) {
        const long long curveAngle =
            roundHalfEven((r2 - cosine * (o - candidateCentre_)) / sine + kAngleCentre);
        for (int k = 0; k < cut_; ++k) {
            VotePeak& candidate = candidates_[k];
            if (candidate.votes <= 0 || std::llabs(candidate.angle - curveAngle) >= kAngleBlock ||
                std::abs(candidate.offset - o) >= block_)
                continue;
            candidate.votes = 0;
            lines.push_back({candidate.offset, candidate.angle});
            angleSum += candidate.angle;
            if (static_cast<int>(lines.size()) == kMaxFamilyLines) return false;
        }
    }
    meanAngle = lines.empty() ? -1.0f : static_cast<float>(angleSum) / lines.size();
    return true;
}

// Accepts the largest grid size with an even run in both families, one of
// them closer to horizontal (the rows) and the other closer to vertical.
bool GridDetector::acceptGridSize(const std::array<Family, 2>& families,
                                  const std::array<std::vector<float>, 2>& ratios,
                                  const std::array<float, 2>& meanAngles) {
    std::array<float, 2> cosSquared{};
    for (int f = 0; f < 2; ++f) {
        const long long angle = roundHalfEven(meanAngles[f]);
        if (angle < 0 || angle >= kAngleSteps) return false;
        cosSquared[f] = angles_.CosTable[angle] * angles_.CosTable[angle];
    }
    int rowFamily = -1;
    if (cosSquared[0] < 0.5f && 0.5f < cosSquared[1]) rowFamily = 0;
    if (cosSquared[1] < 0.5f && 0.5f < cosSquared[0]) rowFamily = 1;

    bool accepted = false;
    for (int gridMax : kGridMaxes) {
        std::array<GridRun, 2> runs;
        for (int f = 0; f < 2; ++f)
            runs[f] = BestRun(ratios[f], static_cast<int>(families[f].size()), gridMax);
        if (runs[0].firstWindow == 0 || runs[1].firstWindow == 0 || runs[0].deviation >= 1.0f ||
            runs[1].deviation >= 1.0f || rowFamily < 0)
            continue;
        grid_.boardSize = gridMax + 1;
        rowFamily_ = rowFamily;
        firstRowLine_ = runs[rowFamily].firstWindow - 1;
        firstColumnLine_ = runs[1 - rowFamily].firstWindow - 1;
        accepted = true;
    }
    return accepted;
}

bool GridDetector::writeGridPoints(const Family& columns, const Family& rows, int firstColumn,
                                   int firstRow) {
    const int gridMax = grid_.gridMax();
    for (int i = 0; i <= gridMax; ++i) {
        for (int j = 0; j <= gridMax; ++j) {
            if (firstColumn + i >= static_cast<int>(columns.size()) ||
                firstRow + j >= static_cast<int>(rows.size()))
                return false;
            const FamilyLine& columnLine = columns[firstColumn + i];
            const FamilyLine& rowLine = rows[firstRow + j];
            const PolarLine column =
                PhotoLine(columnLine.offset, columnLine.angle, secondPass_, votes_.HoughDiagonal);
            const PolarLine row =
                PhotoLine(rowLine.offset, rowLine.angle, secondPass_, votes_.HoughDiagonal);
            const std::optional<QPoint> point =
                IntersectPolarLines(column.offset, column.angle, row.offset, row.angle, angles_);
            if (!point) return false;
            grid_.points(i, j, 0) = point->x() + photo_.width() / 2;
            grid_.points(i, j, 1) = point->y() + photo_.height() / 2;
        }
    }
    return true;
}

}  // namespace

int OffsetBlock(QSize photo) {
    constexpr int kSmallestBlock = 5;
    return std::max(std::min(photo.width(), photo.height()) / 128, kSmallestBlock);
}

int DirectionDifference(double angle1, double angle2) {
    const int difference = static_cast<int>(roundHalfEven(std::fabs(angle1 - angle2)));
    return difference > kAngleCentre ? kAngleSteps - difference : difference;
}

PolarLine PhotoLine(int offsetIndex, int angleIndex, bool secondPass, int houghDiagonal) {
    const int offsetBase = houghDiagonal / 2 + 2;
    if (!secondPass) return {static_cast<float>(offsetIndex - offsetBase), angleIndex};
    if (angleIndex >= kSecondPassTurn)
        return {static_cast<float>(offsetIndex - offsetBase), angleIndex - kSecondPassTurn};
    const int mirrored = houghDiagonal + 2 - offsetIndex;
    return {static_cast<float>(mirrored - offsetBase), angleIndex + kAngleSteps - kSecondPassTurn};
}

std::optional<QPoint> IntersectPolarLines(float r1, float t1, float r2, float t2,
                                          const AngleTables& angles) {
    const long long i1 = roundHalfEven(t1);
    const long long i2 = roundHalfEven(t2);
    if (i1 < 0 || i1 >= kAngleSteps || i2 < 0 || i2 >= kAngleSteps) return std::nullopt;
    const float cos1 = angles.CosTable[i1], sin1 = angles.SinTable[i1];
    const float cos2 = angles.CosTable[i2], sin2 = angles.SinTable[i2];
    // Nearly parallel lines meet very far away rather than nowhere.
    constexpr float kSmallestDeterminant = 1e-6f;
    float det = cos2 * sin1 - cos1 * sin2;
    if (std::fabs(det) < kSmallestDeterminant) det = kSmallestDeterminant;
    const std::optional<int> x = nearestLong((r2 * sin1 - r1 * sin2) / det);
    const std::optional<int> y = nearestLong((r1 * cos2 - r2 * cos1) / det);
    if (!x || !y) return std::nullopt;
    return QPoint(*x, *y);
}

std::optional<BoardGrid> DetectGrid(bool secondPass, const LineVotes& votes,
                                    const AngleTables& angles, QSize photo) {
    BoardGrid grid;
    if (!GridDetector(secondPass, votes, angles, photo, grid).run()) return std::nullopt;
    return grid;
}

std::optional<BoardGrid> FindGrid(const LineVotes& votes, const AngleTables& angles,
                                  QSize photo) {
    std::optional<BoardGrid> found = DetectGrid(false, votes, angles, photo);
    if (!found) found = DetectGrid(true, votes, angles, photo);
    if (found) OrientGrid(*found);
    return found;
}

void OrientGrid(BoardGrid& grid) {
    const int g = grid.gridMax();
    auto corner = [&](int i, int j) { return QPoint(grid.points(i, j, 0), grid.points(i, j, 1)); };
    const QPoint alongI = corner(g, 0) - corner(0, 0);
    const QPoint alongJ = corner(0, g) - corner(0, 0);
    const bool transpose = std::abs(alongI.x()) < std::abs(alongJ.x());
    const bool mirrorI = (transpose ? alongJ.x() : alongI.x()) < 0;
    const bool mirrorJ = (transpose ? alongI.y() : alongJ.y()) < 0;
    if (!transpose && !mirrorI && !mirrorJ) return;

    GridTable turned;
    for (int i = 0; i <= g; ++i) {
        for (int j = 0; j <= g; ++j) {
            int from = mirrorI ? g - i : i;
            int to = mirrorJ ? g - j : j;
            if (transpose) std::swap(from, to);
            turned(i, j, 0) = grid.points(from, to, 0);
            turned(i, j, 1) = grid.points(from, to, 1);
        }
    }
    grid.points = turned;
}
