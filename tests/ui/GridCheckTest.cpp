#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWheelEvent>

#include "geometry/GridCalibration.h"
#include "geometry/GridModel.h"
#include "ui/MainWindowTest.h"

namespace {

// The processing view on an 800 x 600 photograph with a 9 x 9 grid from
// (100, 100) to (500, 500).
class GridCheckTest : public MainWindowTest {
protected:
    GridCheckTest() {
        showPhoto(QColor(200, 160, 80));
        GameState& state = program.state;
        state.BoardSize = 9;
        state.GridMax = 8;
        for (auto [i, j] : {std::pair{0, 0}, {8, 0}, {8, 8}, {0, 8}}) {
            state.GridPoints(i, j, 0) = 100 + 50 * i;
            state.GridPoints(i, j, 1) = 100 + 50 * j;
        }
        BuildGridModel(state, true);
    }

    QPoint onScreen(QPointF photoPoint) const { return photo().toView(photoPoint).toPoint(); }
    QPushButton& gridButton() const { return *part<QPushButton>(*window, "cmdRicalibrato"); }
    QPoint corner(int i, int j) const {
        return {program.state.GridPoints(i, j, 0), program.state.GridPoints(i, j, 1)};
    }
};

}  // namespace

TEST_F(GridCheckTest, CornersFollowTheMouseAndEscChangesTheSize) {
    GridCalibration calibration(program.state, {800, 600});
    calibration.Start(false);
    bool checked = false;
    QTimer::singleShot(0, [&] {  // while the window waits for the user
        EXPECT_FALSE(gridButton().isHidden());
        EXPECT_TRUE(gridButton().text().endsWith("(attualmente: 9x9)."));
        EXPECT_TRUE(details().isHidden());
        EXPECT_TRUE(window->isMaximized());
        EXPECT_EQ(photo().overlay().size(), 18u);  // 9 + 9 red lines

        PhotoView* view = &photo();
        QTest::mousePress(view, Qt::LeftButton, {}, onScreen({520, 90}));
        QTest::mouseMove(view, onScreen({560, 60}));
        QTest::mouseRelease(view, Qt::LeftButton, {}, onScreen({560, 60}));
        EXPECT_LE((corner(8, 0) - QPoint(560, 60)).manhattanLength(), 2);  // dragged along
        EXPECT_EQ(corner(0, 8), QPoint(100, 500));                         // the others stay

        QTest::keyClick(window.get(), Qt::Key_Escape);
        EXPECT_TRUE(gridButton().text().endsWith("(attualmente: 13x13)."));
        EXPECT_EQ(corner(12, 0), QPoint(500, 100));  // from the corners of the start
        EXPECT_EQ(photo().overlay().size(), 26u);
        QTest::keyClick(window.get(), Qt::Key_Escape);
        EXPECT_TRUE(gridButton().text().endsWith("(attualmente: 19x19)."));
        QTest::keyClick(window.get(), Qt::Key_Escape);  // round again to 9, then 13
        QTest::keyClick(window.get(), Qt::Key_Escape);
        EXPECT_TRUE(gridButton().text().endsWith("(attualmente: 13x13)."));
        checked = true;
        QTest::mouseClick(&gridButton(), Qt::LeftButton);
    });
    window->CalibrateGrid(calibration);
    calibration.Finish();

    EXPECT_TRUE(checked);
    EXPECT_TRUE(gridButton().isHidden());
    EXPECT_FALSE(details().isHidden());
    EXPECT_TRUE(photo().overlay().empty());
    EXPECT_EQ(program.state.BoardSize, 13);
    EXPECT_EQ(corner(6, 6), QPoint(300, 300));  // rebuilt: the grid was changed
    EXPECT_FALSE(program.AbortRequested);
    QTest::keyClick(window.get(), Qt::Key_Escape);  // outside the check, Esc stops the voting
    EXPECT_TRUE(program.AbortRequested);
}

TEST_F(GridCheckTest, BlackSideFollowsTheCursorKeysAndClicks) {
    QString side = "E";
    QTimer::singleShot(0, [&] {  // while the window waits for the user
        EXPECT_FALSE(details().lblPosizioneNero->isHidden());
        const std::vector<OverlayLine>& arrow = photo().overlay();
        ASSERT_EQ(arrow.size(), 6u);
        EXPECT_EQ(arrow[0].colour, QColor(128, 0, 0));
        EXPECT_EQ(arrow[0].line.p1(), QPointF(550, 300));  // one spacing beyond the right side

        QTest::keyClick(window.get(), Qt::Key_Left);
        EXPECT_EQ(side, "W");
        EXPECT_EQ(photo().overlay()[0].line.p1(), QPointF(50, 300));
        QTest::keyClick(window.get(), Qt::Key_A);  // other keys change nothing
        EXPECT_EQ(side, "W");
        QTest::mouseClick(&photo(), Qt::LeftButton, {}, onScreen({310, 130}));
        EXPECT_EQ(side, "N");
        QTest::mouseClick(details().cmdPosizioneNero, Qt::LeftButton);
    });
    window->ChooseSide(side);

    EXPECT_EQ(side, "N");
    EXPECT_TRUE(details().cmdPosizioneNero->isHidden());
    EXPECT_TRUE(photo().overlay().empty());
    QLineEdit* name = details().txtNero;  // the cursor keys are the fields' again
    name->setText("Sai");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Left);
    EXPECT_EQ(name->cursorPosition(), 2);
    EXPECT_EQ(side, "N");
}

TEST_F(GridCheckTest, TheWheelZoomsAroundThePointerSoCornersCanBePlacedToThePixel) {
    PhotoView* view = &photo();
    const QSizeF before = view->displayedSize();
    const QPointF pointer = view->toView({500, 100});  // over the top right corner
    QWheelEvent wheel(pointer, view->mapToGlobal(pointer), {}, QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &wheel);
    EXPECT_GT(view->displayedSize().width(), before.width() * 1.2);
    const QPointF under = view->toPhoto(pointer);
    EXPECT_NEAR(under.x(), 500, 1);  // the point under the pointer stays there
    EXPECT_NEAR(under.y(), 100, 1);

    QTest::mousePress(view, Qt::RightButton, {}, pointer.toPoint());  // the right button pans
    QTest::mouseMove(view, (pointer + QPointF(40, 0)).toPoint());
    QTest::mouseRelease(view, Qt::RightButton, {}, (pointer + QPointF(40, 0)).toPoint());
    EXPECT_LT(view->toPhoto(pointer).x(), 500);
}
