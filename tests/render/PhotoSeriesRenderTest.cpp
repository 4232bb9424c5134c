#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineF>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "game/GameState.h"
#include "render/BoardView.h"
#include "render/PhotoSeriesRender.h"
#include "render/SeriesPositions.h"
#include "support/DetectionCheck.h"

namespace {

SgfGame EmptyGame(int boardSize) {
    SgfGame game;
    game.boardSize = boardSize;
    return game;
}

// One setup stone at (6, 6); White takes Black's corner stone with the
// fourth move, and Black passes.
SgfGame CornerCapture(std::vector<GameMove> moves = {{kBlack, false, 0, 0},
                                                     {kWhite, false, 1, 0},
                                                     {kBlack, false, 4, 4},
                                                     {kWhite, false, 0, 1},
                                                     {kBlack, true, 0, 0}}) {
    SgfGame game = EmptyGame(9);
    game.setupBlack = {{6, 6}};
    game.moves = moves;
    return game;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    }
    return sum / (a.width() * a.height());
}

}  // namespace

TEST(PhotoSeries, ShowsEachStoneInTurnTakesCapturedStonesAwayAndRepeatsThePhotoOnAPass) {
    QTemporaryDir folder;
    const SeriesLook look = LookFor(9, {640, 480});
    const QStringList photos = RenderPhotoSeries(CornerCapture(), folder.path(), look);
    ASSERT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList({"IMG_0001.jpg", "IMG_0002.jpg", "IMG_0003.jpg", "IMG_0004.jpg",
                           "IMG_0005.jpg", "IMG_0006.jpg", "IMG_0007.jpg"}));
    ASSERT_EQ(photos.size(), 7);
    EXPECT_EQ(FileBytes(photos[6]), FileBytes(photos[5]));

    // Dark a little inside a point: a black stone there, not the light wood.
    const BoardView view(9, look.photoSize, look.camera);
    const auto black = [&](int photo, int i, int j) {
        return qGray(QImage(photos[photo]).pixel(view.project(i + 0.2, j + 0.2).toPoint())) < 80;
    };
    EXPECT_FALSE(black(0, 6, 6));
    EXPECT_TRUE(black(1, 6, 6));
    EXPECT_FALSE(black(1, 0, 0));
    EXPECT_TRUE(black(2, 0, 0));
    EXPECT_TRUE(black(4, 0, 0));
    EXPECT_FALSE(black(5, 0, 0));
    EXPECT_TRUE(black(5, 4, 4));

    // Each photo is the renderer's photo of its position under the one look:
    // encoding it once more changes it slightly, another seed a lot.
    BoardPhotoSetup setup{9,
                          look.photoSize,
                          look.camera,
                          look.seed,
                          SeriesPositions(CornerCapture())->back(),
                          look.jpegQuality};
    EXPECT_LT(MeanDifference(QImage(photos[6]), RenderBoardPhoto(setup).image), 1);
    setup.seed += 1;
    EXPECT_GT(MeanDifference(QImage(photos[6]), RenderBoardPhoto(setup).image), 4);
}

// The position repeated by the pass gets a photo of its own when a hand comes
// in, and with a drifting exposure the photos' brightness wanders.
TEST(PhotoSeries, AHandOrADriftingExposureMakesARepeatedPositionsPhotoNew) {
    QTemporaryDir folder;
    SgfGame game = EmptyGame(9);
    game.moves = {{kBlack, false, 4, 4}, {kWhite, true, 0, 0}};
    SeriesLook look = LookFor(9, {640, 480});
    look.handRows = {{3, 4}};
    const QStringList hand = RenderPhotoSeries(game, folder.filePath("hand"), look);
    ASSERT_EQ(hand.size(), 3);
    EXPECT_GT(MeanDifference(QImage(hand[2]), QImage(hand[1])), 1);

    look.handRows.clear();
    look.exposureDrift = 0.15;
    const QStringList drift = RenderPhotoSeries(game, folder.filePath("drift"), look);
    ASSERT_EQ(drift.size(), 3);
    QImage black(look.photoSize, QImage::Format_RGB32);
    black.fill(Qt::black);
    std::vector<double> brightness;
    for (const QString& photo : drift) brightness.push_back(MeanDifference(QImage(photo), black));
    EXPECT_GT(*std::ranges::max_element(brightness) - *std::ranges::min_element(brightness), 8);
    EXPECT_NE(FileBytes(drift[2]), FileBytes(drift[1]));
}

TEST(PhotoSeries, RefusesAGameItCannotPlayAndAFolderWithPhotosAlready) {
    QTemporaryDir folder;
    const std::pair<SgfGame, QString> games[] = {
        {CornerCapture({{kBlack, false, 4, 4}, {kWhite, false, 4, 4}}), "move 2"},
        {CornerCapture({{kBlack, false, 9, 0}}), "move 1"},
        {CornerCapture({{kBlack, false, 6, 6}}), "move 1"},
        {EmptyGame(11), "11 lines"},
    };
    for (const auto& [game, reason] : games) {
        QString error;
        EXPECT_TRUE(RenderPhotoSeries(game, folder.path(), SeriesLook{}, &error).isEmpty());
        EXPECT_TRUE(error.contains(reason)) << error.toStdString();
    }
    EXPECT_TRUE(QDir(folder.path()).isEmpty());

    QFile earlier(folder.filePath("IMG_0001.jpg"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.close();
    QString error;
    EXPECT_TRUE(RenderPhotoSeries(EmptyGame(9), folder.path(), SeriesLook{}, &error).isEmpty());
    EXPECT_EQ(error, folder.path() + " already holds IMG_*.jpg photos");
}

// On the series looks every grid spacing stays near the target, and the
// grid detection finds the empty board.
TEST(SeriesLook, KeepsTheSpacingNearTheTargetAndTheGridIsFound) {
    for (const QSize photoSize : {QSize(1200, 900), QSize(1600, 1200)}) {
        for (const int boardSize : {9, 13, 19}) {
            const SeriesLook look = LookFor(boardSize, photoSize);
            const BoardView view(boardSize, photoSize, look.camera);
            double least = 1e9;
            double most = 0;
            for (int j = 0; j + 1 < boardSize; ++j) {
                for (int i = 0; i + 1 < boardSize; ++i) {
                    for (const QPointF next : {view.project(i + 1, j), view.project(i, j + 1)}) {
                        const QPointF step = next - view.project(i, j);
                        least = std::min(least, std::hypot(step.x(), step.y()));
                        most = std::max(most, std::hypot(step.x(), step.y()));
                    }
                }
            }
            EXPECT_GT(least, 40) << boardSize << " lines, " << photoSize.width();
            EXPECT_LT(most, 48) << boardSize << " lines, " << photoSize.width();
            const BoardPhotoSetup setup{boardSize, photoSize, look.camera, look.seed, {}, 92};
            const DetectionOutcome outcome = DetectOnPhoto(RenderBoardPhoto(setup));
            EXPECT_EQ(outcome.boardSize, boardSize) << photoSize.width();
            EXPECT_LT(outcome.worstError, 0.1) << outcome.describe().toStdString();
        }
    }
}

// Knocked further than the photo has room for: the pass's photo is new, the
// grid moves, and on every photo the reported corners sit on its dark
// crossings beside light wood, well inside the photo.
TEST(PhotoSeries, AKnockedCameraMovesTheGridAndTheReportedCornersFollowIt) {
    QTemporaryDir folder;
    SgfGame game = EmptyGame(9);
    game.moves = {{kBlack, false, 4, 4}, {kWhite, true, 0, 0}};
    SeriesLook look = LookFor(9, {640, 480});
    look.knockPixels = 300;
    look.knockDegrees = 3;
    std::vector<GridCorners> corners;
    const QStringList photos = RenderPhotoSeries(game, folder.path(), look, nullptr, &corners);
    ASSERT_EQ(corners.size(), 3u);
    EXPECT_NE(FileBytes(photos[2]), FileBytes(photos[1]));
    EXPECT_GT(QLineF(corners[2][0], corners[1][0]).length(), 2);
    for (int k = 0; k < 3; ++k) {
        const QImage photo(photos[k]);
        const QPointF centre = (corners[k][0] + corners[k][2]) / 2;
        for (const QPointF corner : corners[k]) {
            EXPECT_TRUE(QRectF(25, 25, 590, 430).contains(corner)) << k;
            EXPECT_LT(qGray(photo.pixel(corner.toPoint())), 100) << k;
            EXPECT_GT(qGray(photo.pixel((corner + (centre - corner) / 8).toPoint())), 150) << k;
        }
    }
}
