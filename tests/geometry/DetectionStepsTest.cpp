// The arithmetic steps of the grid detection, each on data whose answer is known.
#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>

#include "game/GameState.h"
#include "geometry/FamilySpacing.h"
#include "geometry/GridDetection.h"
#include "geometry/LineVoting.h"
#include "geometry/VotePeaks.h"
#include "render/BoardPhoto.h"
#include "support/ScriptedUserPort.h"

namespace {

std::vector<VotePeak> peaksWithVotes(std::initializer_list<int> votes) {
    std::vector<VotePeak> peaks;
    for (int v : votes) peaks.push_back({v, 0, 0});
    return peaks;
}

// Lines whose spacing grows by the factor each step, starting at offset 100.
Family progression(int count, double spacing, double factor) {
    Family family;
    double offset = 100;
    for (int k = 0; k < count; ++k) {
        family.push_back({static_cast<int>(std::lround(offset)), 400});
        offset += spacing;
        spacing *= factor;
    }
    return family;
}

}  // namespace

TEST(DetectionSteps, BlocksFollowTheShorterSideAndDirectionsFoldAtNinetyDegrees) {
    EXPECT_EQ(OffsetBlock({600, 800}), 5);  // 600 / 128 = 4 is raised to 5
    EXPECT_EQ(OffsetBlock({1600, 1200}), 9);
    EXPECT_EQ(DirectionDifference(500, 100), 320);  // 100 degrees apart count as 80
    EXPECT_EQ(DirectionDifference(100, 460), 360);
    EXPECT_EQ(DirectionDifference(10.4, 10), 0);
}

// The peaks of the votes: the strongest of neighbouring blocks kept, and the
// list cut after its last big drop.
TEST(DetectionSteps, PeakSearchKeepsTheStrongestOfNeighbouringBlocksAndCutsAfterABigDrop) {
    VoteTable votes(200);
    votes(54, 100) = 90;   // two maxima in neighbouring blocks, close together:
    votes(56, 100) = 80;   // the weaker one is dropped
    votes(150, 400) = 70;  // far away: kept
    votes(150, 440) = 70;  // in the next angle block but 40 steps away: kept
    const std::vector<VotePeak> peaks = FindVotePeaks(5, 16, votes, 4);
    EXPECT_EQ(peaks[0].votes, 90);
    EXPECT_EQ(peaks[0].offset, 54);
    EXPECT_EQ(peaks[0].angle, 100);
    EXPECT_EQ(peaks[1].votes, 70);
    EXPECT_EQ(peaks[1].angle, 400);  // of equal votes, the block found first
    EXPECT_EQ(peaks[2].angle, 440);
    EXPECT_EQ(peaks[3].votes, 0);

    // 470 -> 200, 190 -> 60 and 60 -> 55 (more than 60 / 16 = 3) all drop by
    // more than a sixteenth; the last of them decides.
    EXPECT_EQ(PeakCutOff(peaksWithVotes({500, 480, 470, 200, 190, 60, 55, 54, 53, 52, 52})), 6);
    EXPECT_EQ(PeakCutOff(peaksWithVotes({500, 490, 480, 470})), 4);  // no big drop: all
    EXPECT_EQ(PeakCutOff(peaksWithVotes({500, 490, 0, 0})), 2);      // empty entries go
}

TEST(DetectionSteps, IntersectionSolvesBothLineEquations) {
    AngleTables angles;
    FillAngleTables(angles);
    const double x = 137, y = -242;
    for (auto [t1, t2] : {std::pair{180, 540}, std::pair{100, 430}, std::pair{700, 300}}) {
        const float r1 = x * angles.CosTable[t1] + y * angles.SinTable[t1];
        const float r2 = x * angles.CosTable[t2] + y * angles.SinTable[t2];
        EXPECT_EQ(IntersectPolarLines(r1, t1, r2, t2, angles), QPoint(137, -242)) << t1;
    }
    EXPECT_FALSE(IntersectPolarLines(0, 720, 0, 100, angles));  // beyond the tables
}

// A nearly straight board found on the turned votes once came out numbered
// along the turned axes, and its record mirrored.
TEST(DetectionSteps, GridIsNumberedFromTheTopLeftOfThePhoto) {
    BoardGrid grid{9, {}};
    for (int k = 0; k < 81; ++k) {  // i runs up the photo, j to the right
        grid.points(k % 9, k / 9, 0) = 100 + 10 * (k / 9);
        grid.points(k % 9, k / 9, 1) = 500 - 10 * (k % 9);
    }
    OrientGrid(grid);
    for (int k = 0; k < 81; ++k) {
        EXPECT_EQ(grid.points(k % 9, k / 9, 0), 100 + 10 * (k % 9)) << k;
        EXPECT_EQ(grid.points(k % 9, k / 9, 1), 420 + 10 * (k / 9)) << k;
    }
}

// The spacings of a family of lines: a grid needs a run of enough evenly
// progressing lines, a stray line between two grid lines is cleaned away,
// and two lines in one place have no spacing.
TEST(DetectionSteps, RunsNeedEnoughEvenlyProgressingLinesAndStrayLinesGo) {
    const std::vector<float> ratios = *SpacingRatios(progression(9, 40, 1.02));
    EXPECT_NEAR(ratios[0], std::log(1.02), 0.02);
    EXPECT_EQ(BestRun(ratios, 9, 8).firstWindow, 1);
    Family eight = progression(8, 40, 1.02);  // one line short of any grid
    for (int gridMax : {8, 12, 18})
        EXPECT_EQ(BestRun(*SpacingRatios(eight), 8, gridMax).firstWindow, 0) << gridMax;

    Family family = progression(19, 40, 1.01);
    const Family truth = family;
    family.insert(family.begin() + 7, {family[6].offset + 12, 400});  // a stray edge
    ASSERT_TRUE(CleanFamily(family));
    ASSERT_EQ(family.size(), truth.size());
    for (std::size_t k = 0; k < truth.size(); ++k) EXPECT_EQ(family[k].offset, truth[k].offset);

    Family repeated = progression(5, 40, 1.0);
    repeated.insert(repeated.begin() + 2, repeated[1]);  // two lines in one place
    EXPECT_FALSE(SpacingRatios(repeated));
}

TEST(DetectionSteps, VotingFindsADarkLineOnTheLeftSideOfItsInk) {
    AngleTables angles;
    FillAngleTables(angles);
    QImage photo(200, 100, QImage::Format_RGB32);
    photo.fill(QColor(220, 170, 90));
    QPainter(&photo).fillRect(120, 0, 2, 100, Qt::black);  // ink two pixels wide
    ScriptedUserPort port;
    LineVotes votes;
    VoteGridLines(photo, angles, votes, port, false);
    EXPECT_EQ(votes.HoughDiagonal, 222);  // from (0, 0) to (199, 99)
    EXPECT_EQ(port.progress.Maximum(), 198);
    // The pixels just left of the ink vote: x = 119 is 19 right of the centre.
    // The line is vertical at angle index 179 (SinTable(179) = 0), and a few
    // steps either side still gather every vote of this short line.
    const std::vector<VotePeak> peaks = FindVotePeaks(5, 16, votes.HoughVotes, 1);
    EXPECT_EQ(peaks[0].offset, 19 + 113);  // offset base 222 / 2 + 2
    EXPECT_NEAR(peaks[0].angle, 179, 2);
    EXPECT_EQ(peaks[0].votes, 98);  // every row but the top and bottom ones

    VoteGridLines(photo, angles, votes, port, true);  // Esc before the first column
    EXPECT_EQ(FindVotePeaks(5, 16, votes.HoughVotes, 1)[0].votes, 0);
}

// However many threads share out the angles, the votes are those of one
// thread, cell for cell.
TEST(DetectionSteps, VotesAreTheSameOnAnyNumberOfThreads) {
    AngleTables angles;
    FillAngleTables(angles);
    BoardPhotoSetup setup;
    setup.boardSize = 9;
    setup.camera = {.tiltDegrees = 15, .rotationDegrees = 7, .shift = QPointF(40, -25)};
    const QImage photo = RenderBoardPhoto(setup).image;
    ScriptedUserPort port;
    LineVotes alone, shared;
    VoteGridLines(photo, angles, alone, port, false, 1);
    VoteGridLines(photo, angles, shared, port, false, 7);  // 102 or 103 angles each
    ASSERT_FALSE(alone.HoughVotes == VoteTable(alone.HoughVotes.rows()));
    EXPECT_TRUE(shared.HoughVotes == alone.HoughVotes);
}
