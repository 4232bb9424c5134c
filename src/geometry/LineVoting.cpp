#include "geometry/LineVoting.h"

#include <algorithm>
#include <array>
#include <vector>

#include "game/UserPort.h"
#include "util/Geometry.h"
#include "util/Numbers.h"

namespace {

constexpr int kEdgeThresholdSquared = 32 * 32;

// Nearest integer, ties to even: adding and removing 2^52 + 2^51 leaves the
// value rounded by the processor's default rounding, which is exactly that,
// in a form the compiler can run on several values at once.
inline double nearestEven(double value) {
    constexpr double kShift = 6755399441055744.0;
    return (value + kShift) - kShift;
}

int clampByte(int value) { return std::clamp(value, 0, 255); }

// The edge response of one colour channel at (x, y): neighbours to the left
// and below count positively, those to the right and above negatively.
// above, row and below are the channel's bytes of rows y - 1, y and y + 1.
int edgeResponse(const uchar* above, const uchar* row, const uchar* below, int byte) {
    constexpr int kStep = 3;
    return -above[byte] - 2 * above[byte + kStep] + row[byte - kStep] - row[byte + kStep] +
           2 * below[byte - kStep] + below[byte];
}

bool isStrongEdge(const uchar* above, const uchar* row, const uchar* below, int x) {
    int magnitude = 0;
    for (int channel = 0; channel < 3; ++channel) {
        const int response = clampByte(edgeResponse(above, row, below, 3 * x + channel));
        magnitude += response * response;
    }
    return magnitude >= kEdgeThresholdSquared;  // the same as a root of at least 32
}

// The offsets and angles of the voting, in double precision so that each
// product is formed exactly as x * CosTable(t) + y * SinTable(t).
struct VotingAngles {
    explicit VotingAngles(const AngleTables& angles) {
        for (int t = 0; t < kAngleSteps; ++t) {
            cosines[t] = angles.CosTable[t];
            sines[t] = angles.SinTable[t];
        }
    }
    std::array<double, kAngleSteps> cosines{};
    std::array<double, kAngleSteps> sines{};
};

// x * CosTable(t) for every angle, the same for a whole column of pixels.
using ColumnTerms = std::array<double, kAngleSteps>;

void fillColumnTerms(int x, const VotingAngles& angles, ColumnTerms& terms) {
    for (int t = 0; t < kAngleSteps; ++t) terms[t] = x * angles.cosines[t];
}

// Casts the 720 votes of an edge pixel at row y (from the photograph's
// centre) of the column the terms belong to. Votes that would fall outside
// the table are dropped.
void castVotes(const ColumnTerms& column, int y, const VotingAngles& angles, int offsetBase,
               VoteTable& votes) {
    std::array<int, kAngleSteps> offsets;
    for (int t = 0; t < kAngleSteps; ++t) {
        offsets[t] = static_cast<int>(nearestEven(column[t] + y * angles.sines[t])) + offsetBase;
    }
    for (int t = 0; t < kAngleSteps; ++t) {
        if (votes.contains(offsets[t])) ++votes(offsets[t], t);
    }
}

}  // namespace

void VoteGridLines(const QImage& photo, const AngleTables& angles, LineVotes& votes, UserPort& port,
                   const bool& abortRequested) {
    const QImage rgb = photo.convertToFormat(QImage::Format_RGB888);
    const int w = rgb.width();
    const int h = rgb.height();
    votes.HoughDiagonal = static_cast<int>(roundHalfEven(PointDistance(0, 0, w - 1, h - 1)));
    votes.HoughVotes = VoteTable(votes.HoughDiagonal + 3);
    const int offsetBase = votes.HoughDiagonal / 2 + 2;

    const VotingAngles votingAngles(angles);
    ColumnTerms column;
    long progress = 0;
    port.ShowProgress(progress, w - 2);
    for (int x = 1; x <= w - 2; ++x) {
        progress = x;
        port.ShowProgress(progress, 0);
        if (abortRequested) break;
        fillColumnTerms(x - w / 2, votingAngles, column);
        for (int y = 1; y <= h - 2; ++y) {
            if (isStrongEdge(rgb.constScanLine(y - 1), rgb.constScanLine(y),
                             rgb.constScanLine(y + 1), x))
                castVotes(column, y - h / 2, votingAngles, offsetBase, votes.HoughVotes);
        }
    }
}
