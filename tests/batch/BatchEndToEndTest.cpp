#include <QImage>
#include <QPainter>

#include "batch/BatchTest.h"
#include "render/TestGames.h"

namespace {

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

QStringList vertices(const std::vector<QPoint>& stones, int boardSize) {
    QStringList named;
    for (const QPoint& stone : stones) named << vertex(stone.x(), stone.y(), boardSize);
    return sorted(named);
}

void expectSetUp(const GnuGoReplay& replay, const SgfGame& game) {
    EXPECT_EQ(sorted(replay.setupBlack), vertices(game.setupBlack, game.boardSize));
    EXPECT_EQ(sorted(replay.setupWhite), vertices(game.setupWhite, game.boardSize));
}

// The position a set-up game shows, as --position prints it.
QString printedPosition(const SgfGame& game) {
    QStringList rows(game.boardSize, QString(game.boardSize, u'.'));
    for (const QPoint& stone : game.setupBlack) rows[stone.y()][stone.x()] = u'B';
    for (const QPoint& stone : game.setupWhite) rows[stone.y()][stone.x()] = u'W';
    for (QString& row : rows) row = row.split(QString()).join(u' ').trimmed();
    return "IMG_0001.jpg\n" + rows.join(u'\n') + u'\n';
}

using BatchEndToEndTest = BatchTest;

}  // namespace

TEST_F(BatchEndToEndTest, ANineLineGameWithACaptureAndAPass) {
    const SgfGame game = NineLineGame();
    const BatchRun run = batch({"--rules", "Japanese", "--black", "Rossi", "--white", "Bianchi",
                                "--komi", "6,5", "--black-side", "S"},
                               photograph(game));
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString base = photos.path() + "partita/Bianchi - Rossi";
    ASSERT_EQ(run.files(), QStringList({base + ".sgf", base + ".png"}));
    EXPECT_FALSE(QImage(base + ".png").isNull());
    // Every pass was asked about and answered on one line of its own.
    EXPECT_TRUE(run.err.contains(QRegularExpression("passa\\?.* -> Sì\\n")));

    const GnuGoReplay replay = ReplayWithGnuGo(base + ".sgf");
    EXPECT_EQ(replay.failure, "");
    EXPECT_EQ(replay.moves, gtpMoves(game.moves, 9));
    EXPECT_TRUE(readText(base + ".sgf").contains("KM[6.5]"));
}

TEST_F(BatchEndToEndTest, ANineteenLineGameWithCapturesAndAKo) {
    const SgfGame game = NineteenLineGame();
    EXPECT_EQ(recordOf(game).moves, gtpMoves(game.moves, 19));
}

TEST_F(BatchEndToEndTest, AFourStoneHandicapIsASetupUnderJapaneseRules) {
    const SgfGame game = HandicapGame("Japanese");
    const GnuGoReplay replay = recordOf(game, {"--handicap", "4"});
    expectSetUp(replay, game);
    EXPECT_EQ(replay.moves, gtpMoves(game.moves, 13));
}

TEST_F(BatchEndToEndTest, AFourStoneHandicapLeadsWithBlackMovesUnderChineseRules) {
    const SgfGame game = HandicapGame("Chinese");
    const GnuGoReplay replay = recordOf(game, {"--handicap", "4"});
    QStringList leading;
    for (const QString& stone : vertices(game.setupBlack, 13)) leading << "black " + stone;
    EXPECT_TRUE(replay.setupBlack.isEmpty());
    EXPECT_EQ(sorted(replay.moves.mid(0, 4)), leading);
    EXPECT_EQ(replay.moves.mid(4), gtpMoves(game.moves, 13));
}

// A photograph taken twice after White's move 6 is Black's pass, so Black's
// next stone is out of turn: by default the anomaly stops the run, neither
// the record nor the kifu is written, and the moves recorded so far, the
// pass included, are kept in a partial record.
TEST_F(BatchEndToEndTest, ADuplicatedPhotographTakenAsAPassStopsTheRun) {
    SgfGame game = NineLineGame();
    game.moves.resize(8);  // the run stops at move 7
    const QStringList series = photograph(game);
    // The copy sorts right after the photograph it copies.
    ASSERT_TRUE(QFile::copy(series[6], photos.path() + "partita/IMG_0007a.jpg"));

    const BatchRun stopped = batch({"--rules", "Japanese", "--black-side", "S"}, series);
    EXPECT_EQ(stopped.status, 4);
    EXPECT_TRUE(stopped.err.contains("Ha mosso Nero; doveva muovere Bianco. -> 999"))
        << stopped.err.toStdString();
    const QString partial = photos.path() + "partita/Banmark (parziale).sgf";
    EXPECT_TRUE(
        stopped.err.contains("banmark-batch: elaborazione interrotta; le mosse registrate "
                             "finora sono state salvate nel file \"" +
                             partial + "\""))
        << stopped.err.toStdString();
    EXPECT_TRUE(stopped.out.isEmpty());
    EXPECT_EQ(QDir(photos.path() + "partita").entryList({"*.sgf", "*.png", "*.bmp"}),
              QStringList{"Banmark (parziale).sgf"});
    EXPECT_EQ(ReplayWithGnuGo(partial).moves,
              gtpMoves(game.moves, 9).mid(0, 6) + QStringList{"black PASS"});
}

// No board on the photographs ends with status 3, for a series and for
// --position alike; arguments that cannot be used end with status 2.
TEST_F(BatchEndToEndTest, NoBoardOrBadArgumentsEndWithTheirOwnStatus) {
    QImage blank(640, 480, QImage::Format_RGB32);
    blank.fill(qRgb(90, 60, 40));
    ASSERT_TRUE(blank.save(photos.path() + "a1.jpg"));
    ASSERT_TRUE(blank.save(photos.path() + "a2.jpg"));
    const QStringList series{photos.path() + "a1.jpg", photos.path() + "a2.jpg"};
    const BatchRun noGrid = batch({"--rules", "Japanese"}, series);
    EXPECT_EQ(noGrid.status, 3);
    EXPECT_TRUE(noGrid.err.contains("banmark-batch: griglia del goban non trovata"));

    EXPECT_EQ(batch({"--position", series.first()}).status, 3);

    EXPECT_EQ(batch({"--rules", "Japanese", "--on-anomaly", "forse"}, series).status, 2);
    EXPECT_EQ(batch({}, {series.last(), series.first()}).status, 2);  // no rules, wrong order
}

// What real photographs showed: a pale, nearly grey board that the fixed
// colour rule reads as stones everywhere, a white cloth or a blue felt, the
// camera's exposure and white balance changing from photo to photo, a
// webcam at a steep angle and a hand over the board's edge.
TEST_F(BatchEndToEndTest, AGameOnAPaleBoardUnderAWebcamWithAHandInOnePhoto) {
    // Forty moves, the ko and captures among them. Further on, this small a
    // photo misses a white stone on the far edge now and then (move 58).
    SgfGame game = NineteenLineGame();
    game.moves.resize(40);
    SeriesLook look = LookFor(19, {640, 480}, 35);
    look.wood = BoardWood::kMaple;
    look.table = TableCover::kWhiteCloth;
    look.exposureDrift = 0.15;
    look.whiteBalanceDrift = 0.05;
    look.handRows = {{9, 6}};
    EXPECT_EQ(recordOf(game, {}, photograph(game, look)).moves, gtpMoves(game.moves, 19));
}

TEST_F(BatchEndToEndTest, AGameOnAYellowBoardOnBlueFeltUnderDriftingLight) {
    const SgfGame game = ThirteenLineGame();
    SeriesLook look = LookFor(13, {1200, 900}, 20);
    look.wood = BoardWood::kYellowKaya;
    look.table = TableCover::kBlueFelt;
    look.exposureDrift = 0.15;
    look.whiteBalanceDrift = 0.05;
    EXPECT_EQ(recordOf(game, {}, photograph(game, look)).moves, gtpMoves(game.moves, 13));
}

// A hand-held camera over a folding board: the picture moves by up to 30
// pixels and turns by up to a degree from one photo to the next.
TEST_F(BatchEndToEndTest, AGameUnderAKnockedCameraOnAFoldingBoard) {
    SgfGame game = NineteenLineGame();
    game.moves.resize(30);
    SeriesLook look = LookFor(19, {1600, 1200}, 0);
    look.wood = BoardWood::kMaple;
    look.table = TableCover::kBlueFelt;
    look.seam = true;
    look.borderLine = true;
    look.knockPixels = 30;
    look.knockDegrees = 1;
    EXPECT_EQ(recordOf(game, {}, photograph(game, look)).moves, gtpMoves(game.moves, 19));
}

// Photographs taken every few seconds of a 100-move game (its passes left
// out: none can be seen): a hand in one photograph of three, on its way to
// the point, now and then putting the stone on another point first, and a
// player leaning over the board. Nothing is asked, and the photographs with
// a hand or the player are left unread. The same photographs as a video
// give the game again, each move with its time in the video.
TEST_F(BatchEndToEndTest, PhotographsAtIntervalsGiveTheGameWithoutAQuestion) {
    SgfGame game = NineteenLineGame();
    game.moves.resize(100);
    std::erase_if(game.moves, [](const GameMove& move) { return move.pass; });
    SeriesLook look = LookFor(19, {1600, 1200});
    look.shown = {0, 0};
    for (int move = 1; move <= static_cast<int>(game.moves.size()); ++move) {
        const int hand = static_cast<int>(look.shown.size()) + 1;
        look.handRows[hand] = move % 19;
        if (move % 10 == 3) look.movedStones[hand] = {move % 19, 18 - move % 7};
        look.shown.insert(look.shown.end(), {move % 10 == 3 ? move : move - 1, move, move});
        if (move % 25 == 0) {
            look.leaning.insert(static_cast<int>(look.shown.size()) + 1);
            look.shown.push_back(move);
        }
    }
    const QStringList series = photograph(game, look);
    const BatchRun run = batch(kSgfOnly + QStringList{"--interval"}, series);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("?")) << run.err.toStdString();
    EXPECT_EQ(ReplayWithGnuGo(run.files().first()).moves, gtpMoves(game.moves, 19));

    // The same photographs as a video, two a second: the game again, each
    // move with the time it showed at.
    const QString video = photos.path() + "partita/partita.mp4";
    ASSERT_EQ(QProcess::execute("ffmpeg", {"-v", "error", "-framerate", "2", "-i",
                                           photos.path() + "partita/IMG_%04d.jpg", "-r", "10",
                                           "-c:v", "libx264", "-pix_fmt", "yuv420p", video}),
              0);
    const BatchRun filmed = batch(kSgfOnly + QStringList{video});
    ASSERT_EQ(filmed.status, 0) << filmed.err.toStdString();
    EXPECT_EQ(ReplayWithGnuGo(filmed.files().first()).moves, gtpMoves(game.moves, 19));
    const QString text = readText(filmed.files().first());
    EXPECT_EQ(text.count("]C["), static_cast<int>(game.moves.size()));
    EXPECT_TRUE(text.contains(QRegularExpression(";B\\[..\\]C\\[00:02\\]"))) << text.toStdString();

    // Without ffmpeg the user is told so, and nothing runs.
    environment.insert("PATH", program.path());
    const BatchRun without = batch(kSgfOnly + QStringList{video});
    EXPECT_EQ(without.status, 2);
    EXPECT_TRUE(without.err.contains("serve ffmpeg")) << without.err.toStdString();
}

// The camera so close on the left that the board runs off the photograph
// there: a hand comes in from the photograph's own edge straight onto the
// board's corner, with no table around it that changed, in some photographs.
TEST_F(BatchEndToEndTest, AHandFromThePhotographsOwnEdgeLeavesTheGameAsItWas) {
    const SgfGame game = ThirteenLineGame();
    SeriesLook look = LookFor(13, {1200, 900});
    look.camera.shift.rx() -= BoardBounds(13, look.photoSize, look.camera).left() + 8;
    look.handRows = {{6, 1}, {17, 0}, {30, 2}, {41, 1}};
    EXPECT_EQ(recordOf(game, {}, photograph(game, look)).moves, gtpMoves(game.moves, 13));
}

// The camera started after 101 moves: the game goes on from the position of
// its first photograph, White to play, and nothing is asked about a
// handicap. Black's dark green stones and White's pale green ones are told
// apart from each other.
TEST_F(BatchEndToEndTest, AGameInProgressWithGreenStonesGoesOnFromItsFirstPhotograph) {
    const SgfGame game = GameInProgress(NineteenLineGame(), 101);
    SeriesLook look = LookFor(19, {1600, 1200});
    look.stoneSet = StoneSet::kGreen;
    const BatchRun run = batch(kSgfOnly, photograph(game, look));
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("Anomalia") || run.err.contains("andicap"))
        << run.err.toStdString();
    const GnuGoReplay replay = ReplayWithGnuGo(run.files().first());
    expectSetUp(replay, game);
    EXPECT_EQ(replay.moves, gtpMoves(game.moves, 19));
    EXPECT_TRUE(readText(run.files().first()).contains("PL[W]"));
}

// One photograph of a crowded board with blue stones: its position printed
// as the positions file holds it and saved as a set-up game beside it.
TEST_F(BatchEndToEndTest, OnePhotographGivesItsPosition) {
    SgfGame game = GameInProgress(NineteenLineGame(), 100);
    game.moves.clear();
    SeriesLook look = LookFor(19, {1600, 1200});
    look.stoneSet = StoneSet::kBlue;
    std::vector<GridCorners> corners;
    const QStringList photo =
        RenderPhotoSeries(game, photos.path() + "partita", look, nullptr, &corners);
    ASSERT_EQ(photo.size(), 1);
    const BatchRun run = batch({"--position", photo.first()});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, printedPosition(game));
    EXPECT_FALSE(run.err.contains("incertezza")) << run.err.toStdString();
    expectSetUp(ReplayWithGnuGo(photos.path() + "partita/Banmark.sgf"), game);

    // Corners measured by eye on the stones' near edges, almost half a
    // spacing below the lines: the lines near them are read.
    const GridCorners& lines = corners.front();
    const QPointF down = (lines[3] - lines[0]) / 18 * 0.45;
    QStringList byEye;
    for (const QPointF& corner : lines) {
        const QPoint p = (corner + down).toPoint();
        byEye << QString::number(p.x()) << QString::number(p.y());
    }
    EXPECT_EQ(
        batch({"--position", photo.first(), "--size", "19", "--corners", byEye.join(u',')}).out,
        printedPosition(game));

    // A white stone's colour laid over an empty point, a little wider than a
    // stone, ever more thickly until the reading turns: on one side of the
    // turn or the other, the point is named as one to check.
    const auto pixel = [&](double x, double y) {
        return (lines[0] * (18 - x) * (18 - y) + lines[1] * x * (18 - y) + lines[2] * x * y +
                lines[3] * (18 - x) * y) /
               324;
    };
    const int x = printedPosition(game).split(u'\n')[10].indexOf(u'.') / 2;
    const QImage original(photo.first());
    const double radius = (lines[1].x() - lines[0].x()) / 32;
    const auto readWithDisc = [&](double opacity) {
        QImage doctored = original;
        QPainter painter(&doctored);
        painter.setBrush(
            original.pixelColor(pixel(game.setupWhite[0].x(), game.setupWhite[0].y()).toPoint()));
        painter.setPen(Qt::NoPen);
        painter.setOpacity(opacity);
        painter.drawEllipse(pixel(x, 9), radius, radius);
        painter.end();
        doctored.save(photo.first());
        return batch({"--position", photo.first()});
    };
    double empty = 0, white = 1;
    for (int step = 0; step < 7; ++step) {
        const double t = (empty + white) / 2;
        (readWithDisc(t).out.split(u'\n')[10][2 * x] == u'.' ? empty : white) = t;
    }
    const auto told = [&](double opacity) {
        return readWithDisc(opacity).err.section("da controllare: ", 1).section(u'\n', 0, 0);
    };
    EXPECT_TRUE((told(empty) + ", " + told(white)).split(", ").contains(vertex(x, 9, 19)));

    // An opening, three stones of each colour on a pale board: too few to
    // make groups of their own.
    SgfGame opening = GameInProgress(NineteenLineGame(), 6);
    opening.moves.clear();
    look.stoneSet = StoneSet::kBlackAndWhite;
    look.wood = BoardWood::kMaple;
    const QStringList openingPhoto = RenderPhotoSeries(opening, photos.path() + "apertura", look);
    ASSERT_EQ(openingPhoto.size(), 1);
    EXPECT_EQ(batch({"--position", openingPhoto.first()}).out, printedPosition(opening));
}
