#include <gtest/gtest.h>

#include <QTransform>
#include <cmath>

#include "game/GameState.h"
#include "geometry/BlackSide.h"
#include "geometry/GridCalibration.h"
#include "geometry/GridModel.h"
#include "support/ScriptedUserPort.h"

namespace {

void setCorners(GameState& state, int boardSize, QPoint topLeft, QPoint topRight,
                QPoint bottomRight, QPoint bottomLeft) {
    state.BoardSize = boardSize;
    state.GridMax = boardSize - 1;
    const int g = state.GridMax;
    const std::array<std::pair<QPoint, QPoint>, 4> corners{
        {{{0, 0}, topLeft}, {{g, 0}, topRight}, {{g, g}, bottomRight}, {{0, g}, bottomLeft}}};
    for (const auto& [index, point] : corners) {
        state.GridPoints(index.x(), index.y(), 0) = point.x();
        state.GridPoints(index.x(), index.y(), 1) = point.y();
    }
}

QPoint gridPoint(const GameState& state, int i, int j) {
    return {state.GridPoints(i, j, 0), state.GridPoints(i, j, 1)};
}

}  // namespace

TEST(GridModel, AParallelogramIsEvenlyDivided) {
    GameState state;
    setCorners(state, 13, {100, 100}, {700, 130}, {760, 730}, {160, 700});
    BuildGridModel(state, true);
    for (int k = 0; k <= 12; ++k) {
        EXPECT_EQ(gridPoint(state, 0, k), QPoint(100 + 5 * k, 100 + 50 * k)) << k;
        EXPECT_EQ(gridPoint(state, k, 0).x(), 100 + 50 * k) << k;
    }
    EXPECT_EQ(gridPoint(state, 6, 6), QPoint(430, 415));
}

TEST(GridModel, SidesFollowAGeometricProgression) {
    for (int k = 0; k <= 18; ++k)
        EXPECT_NEAR(*BorderOffset(100, 0.8f, k, 18),
                    100 * (1 - std::pow(0.8, k / 9.0)) / (1 - 0.64), 1e-4);
    EXPECT_DOUBLE_EQ(*BorderOffset(102, 1.0005f, 7, 12), 59.5);  // within 0.001 of 1: even
}

TEST(GridModel, EvenSidesRoundTiesToEven) {
    GameState state;
    setCorners(state, 13, {1, 1}, {103, 1}, {103, 103}, {1, 103});
    BuildGridModel(state, true);
    EXPECT_EQ(gridPoint(state, 7, 0).x(), 60);  // 1 + 714 / 12 = 60.5
    EXPECT_EQ(gridPoint(state, 0, 7).y(), 60);
    EXPECT_EQ(gridPoint(state, 5, 12).x(), 44);  // 1 + 510 / 12 = 43.5
}

TEST(GridModel, APerspectiveGridIsCoveredToAPixel) {
    // A square board seen from the side of its bottom edge: the far edge narrower.
    QTransform camera;
    ASSERT_TRUE(QTransform::quadToQuad(
        QPolygonF({{0, 0}, {18, 0}, {18, 18}, {0, 18}}),
        QPolygonF({{340, 200}, {1260, 200}, {1400, 1050}, {200, 1050}}), camera));
    auto truth = [&](int i, int j) { return camera.map(QPointF(i, j)); };
    GameState state;
    setCorners(state, 19, truth(0, 0).toPoint(), truth(18, 0).toPoint(), truth(18, 18).toPoint(),
               truth(0, 18).toPoint());
    BuildGridModel(state, true);
    double worst = 0;
    for (int i = 0; i <= 18; ++i) {
        for (int j = 0; j <= 18; ++j) {
            const QPointF error = QPointF(gridPoint(state, i, j)) - truth(i, j);
            worst = std::max(worst, std::hypot(error.x(), error.y()));
        }
    }
    EXPECT_LT(worst, 1.5);
}

TEST(GridCalibration, EscCyclesSizesFromTheCornersOfTheStart) {
    GameState state;
    setCorners(state, 9, {100, 100}, {500, 100}, {500, 500}, {100, 500});
    GridCalibration calibration(state, {800, 600});
    calibration.Start(false);
    EXPECT_FALSE(calibration.Changed());
    calibration.MoveNearestCorner(480.4f, 90.6f);  // the top right corner moves
    EXPECT_EQ(gridPoint(state, 8, 0), QPoint(480, 91));
    EXPECT_TRUE(calibration.Changed());

    calibration.CycleSize();
    EXPECT_EQ(state.BoardSize, 13);
    EXPECT_EQ(gridPoint(state, 12, 0), QPoint(500, 100));  // back at the start
    EXPECT_TRUE(calibration.Caption().endsWith("(attualmente: 13x13)."));
    calibration.CycleSize();
    calibration.CycleSize();
    EXPECT_EQ(state.BoardSize, 9);
    EXPECT_EQ(state.GridMax, 8);
    calibration.Finish();
    EXPECT_EQ(gridPoint(state, 4, 4), QPoint(300, 300));  // inner points rebuilt
}

TEST(GridCalibration, UnchangedGridKeepsTheDetectedPoints) {
    GameState state;
    setCorners(state, 19, {100, 100}, {700, 100}, {700, 700}, {100, 700});
    state.GridPoints(5, 5, 0) = 271;  // as detected, not as the model would put it
    ScriptedUserPort port;
    VerifyGrid(state, {800, 800}, false, port);
    EXPECT_EQ(port.gridChecks, 1);
    EXPECT_EQ(state.GridPoints(5, 5, 0), 271);
}

TEST(GridCalibration, NoUsableGridStartsFromTheDefaultTrapezoid) {
    GameState state;
    setCorners(state, 19, {100, 100}, {900, 100}, {700, 700}, {100, 700});  // beyond 800 px
    GridCalibration calibration(state, {800, 600});
    calibration.Start(false);
    EXPECT_EQ(gridPoint(state, 0, 0), QPoint(200, 100));
    EXPECT_EQ(gridPoint(state, 18, 0), QPoint(600, 100));
    EXPECT_EQ(gridPoint(state, 18, 18), QPoint(700, 525));
    EXPECT_EQ(gridPoint(state, 0, 18), QPoint(100, 525));

    setCorners(state, 19, {100, 100}, {100, 100}, {700, 700},
               {100, 700});  // two corners on one pixel
    calibration.Start(false);
    EXPECT_EQ(gridPoint(state, 18, 0), QPoint(600, 100));
}

TEST(BlackSide, NearestSideAndKeys) {
    GameState state;
    setCorners(state, 9, {100, 100}, {500, 100}, {500, 500}, {100, 500});
    BuildGridModel(state, true);
    EXPECT_EQ(gridPoint(state, 4, 0), QPoint(300, 100));  // the middle of a 9 x 9 side is line 4
    EXPECT_EQ(NearestSide({200, 200}, state), "N");       // as near the top as the left: N first
    EXPECT_EQ(NearestSide({480, 310}, state), "E");
    EXPECT_EQ(NearestSide({300, 470}, state), "S");
    EXPECT_EQ(SideForKey(Qt::Key_Left), "W");
    EXPECT_EQ(SideForKey(Qt::Key_A), "");

    QString side;
    ScriptedUserPort port;
    ChooseBlackSide(side, port);
    EXPECT_EQ(side, "E");  // the first game starts from the right
    side = "N";
    ChooseBlackSide(side, port);
    EXPECT_EQ(side, "N");  // later games from the last choice
}

TEST(BlackSide, MarkerIsAnArrowFromTheCentreToTheSide) {
    GameState state;
    setCorners(state, 9, {100, 100}, {500, 100}, {500, 500}, {100, 500});
    BuildGridModel(state, true);
    const std::array<QLineF, 6> south = SideMarker("S", state);
    EXPECT_EQ(south[0].p1(), QPointF(300, 550));  // one spacing beyond the side's middle
    EXPECT_EQ(south[2].p2(), QPointF(300, 300));  // the tail at the centre
    EXPECT_EQ(south[5].p2(), south[0].p1());      // a closed outline
    EXPECT_EQ(SideMarker("W", state)[0].p1(), QPointF(50, 300));
}
