#include <gtest/gtest.h>

#include <QTransform>
#include <cmath>

#include "game/GameState.h"
#include "geometry/BlackSide.h"
#include "geometry/GridCalibration.h"
#include "geometry/GridModel.h"
#include "support/ScriptedUserPort.h"

namespace {

// A grid given by its corners, clockwise from the top left.
GameState withCorners(int boardSize, std::array<QPoint, 4> corners) {
    GameState state;
    state.BoardSize = boardSize;
    state.GridMax = boardSize - 1;
    const int g = state.GridMax;
    const QPoint indices[] = {{0, 0}, {g, 0}, {g, g}, {0, g}};
    for (int c = 0; c < 4; ++c) {
        state.GridPoints(indices[c].x(), indices[c].y(), 0) = corners[c].x();
        state.GridPoints(indices[c].x(), indices[c].y(), 1) = corners[c].y();
    }
    return state;
}

QPoint gridPoint(const GameState& state, int i, int j) {
    return {state.GridPoints(i, j, 0), state.GridPoints(i, j, 1)};
}

}  // namespace

TEST(GridModel, EvenSidesRoundTiesToEven) {
    GameState state = withCorners(13, {{{1, 1}, {103, 1}, {103, 103}, {1, 103}}});
    BuildGridModel(state, true);
    EXPECT_EQ(gridPoint(state, 7, 0).x(), 60);  // 1 + 714 / 12 = 60.5
    EXPECT_EQ(gridPoint(state, 0, 7).y(), 60);
    EXPECT_EQ(gridPoint(state, 5, 12).x(), 44);                  // 1 + 510 / 12 = 43.5
    EXPECT_DOUBLE_EQ(*BorderOffset(102, 1.0005f, 7, 12), 59.5);  // within 0.001 of 1: even
}

TEST(GridModel, APerspectiveGridIsCoveredToAPixel) {
    // A square board seen from the side of its bottom edge: the far edge narrower.
    QTransform camera;
    ASSERT_TRUE(QTransform::quadToQuad(
        QPolygonF({{0, 0}, {18, 0}, {18, 18}, {0, 18}}),
        QPolygonF({{340, 200}, {1260, 200}, {1400, 1050}, {200, 1050}}), camera));
    auto truth = [&](int i, int j) { return camera.map(QPointF(i, j)); };
    GameState state = withCorners(19, {{truth(0, 0).toPoint(), truth(18, 0).toPoint(),
                                        truth(18, 18).toPoint(), truth(0, 18).toPoint()}});
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

// The check starts from the grid as it was detected, unless that grid cannot
// be used: then from a default trapezoid.
TEST(GridCalibration, AUsableGridKeepsItsPointsAndAnUnusableOneGivesWayToTheTrapezoid) {
    GameState state = withCorners(19, {{{100, 100}, {700, 100}, {700, 700}, {100, 700}}});
    state.GridPoints(5, 5, 0) = 271;  // as detected, not as the model would put it
    ScriptedUserPort port;
    VerifyGrid(state, {800, 800}, false, port);
    EXPECT_EQ(port.gridChecks, 1);
    EXPECT_EQ(state.GridPoints(5, 5, 0), 271);

    state = withCorners(19, {{{100, 100}, {900, 100}, {700, 700}, {100, 700}}});  // beyond 800 px
    GridCalibration calibration(state, {800, 600});
    calibration.Start(false);
    EXPECT_EQ(gridPoint(state, 0, 0), QPoint(200, 100));
    EXPECT_EQ(gridPoint(state, 18, 0), QPoint(600, 100));
    EXPECT_EQ(gridPoint(state, 18, 18), QPoint(700, 525));
    EXPECT_EQ(gridPoint(state, 0, 18), QPoint(100, 525));

    // Two corners on one pixel.
    state = withCorners(19, {{{100, 100}, {100, 100}, {700, 700}, {100, 700}}});
    calibration.Start(false);
    EXPECT_EQ(gridPoint(state, 18, 0), QPoint(600, 100));
}

// The window follows the keys and clicks; these are the rules behind it.
TEST(BlackSide, TiesGoToTheTopTheFirstGameStartsFromTheRightAndTheArrowIsClosed) {
    GameState state = withCorners(9, {{{100, 100}, {500, 100}, {500, 500}, {100, 500}}});
    BuildGridModel(state, true);
    EXPECT_EQ(NearestSide({200, 200}, state), "N");  // as near the top as the left
    EXPECT_EQ(NearestSide({300, 470}, state), "S");
    const std::array<QLineF, 6> south = SideMarker("S", state);
    EXPECT_EQ(south[0].p1(), QPointF(300, 550));  // one spacing beyond the side's middle
    EXPECT_EQ(south[2].p2(), QPointF(300, 300));  // the tail at the centre
    EXPECT_EQ(south[5].p2(), south[0].p1());      // a closed outline
    QString side;
    ScriptedUserPort port;
    ChooseBlackSide(side, port);
    EXPECT_EQ(side, "E");
    side = "N";
    ChooseBlackSide(side, port);
    EXPECT_EQ(side, "N");  // later games from the last choice
}
