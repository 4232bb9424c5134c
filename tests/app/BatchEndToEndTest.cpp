#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>

#include "app/GameState.h"
#include "app/MoveText.h"
#include "support/GnuGoReplay.h"
#include "support/PhotoSeriesRender.h"
#include "support/QStringPrinter.h"
#include "support/TempProgramDir.h"
#include "support/TestGames.h"

namespace {

// What one run of banmark-batch gave.
struct BatchRun {
    int status = -1;
    QString out;
    QString err;
    // The files the summary names, in its order.
    QStringList files() const {
        QStringList named;
        const QRegularExpression quoted(QStringLiteral("\"([^\"]+)\""));
        for (const auto& match : quoted.globalMatch(out)) named << match.captured(1);
        return named;
    }
};

QString vertex(int x, int y, int boardSize) {
    return QString(ColumnLetter(x)) + QString::number(boardSize - y);
}

// The moves as GNU Go lists them: "black D4", "white PASS".
QStringList gtpMoves(const std::vector<GameMove>& moves, int boardSize) {
    QStringList listed;
    for (const GameMove& move : moves) {
        listed << QString(move.colour == kBlack ? "black " : "white ") +
                      (move.pass ? QStringLiteral("PASS") : vertex(move.x, move.y, boardSize));
    }
    return listed;
}

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

// A photo series in a folder of its own, and banmark-batch copied into a
// program folder of its own, so that tests running side by side never
// share working files.
class BatchEndToEndTest : public testing::Test {
protected:
    void SetUp() override {
        batchProgram = program.install(BANMARK_BATCH);
        ASSERT_TRUE(QFileInfo(batchProgram).isExecutable());
    }

    // 19 lines need the full 1600 pixels of a prepared photograph: on a
    // 1200-pixel photo the camera stands so close that a star point near the
    // far edge reads as a stone.
    QStringList photograph(const SgfGame& game) {
        const QSize size = game.boardSize == 19 ? QSize(1600, 1200) : QSize(1200, 900);
        QString error;
        const QStringList made = RenderPhotoSeries(game, photos.path() + "partita",
                                                   LookFor(game.boardSize, size), &error);
        EXPECT_FALSE(made.isEmpty()) << error.toStdString();
        return made;
    }

    BatchRun batch(QStringList arguments, const QStringList& series) {
        arguments << series.first() << series.last();
        QProcess process;
        process.start(batchProgram, arguments);
        process.waitForFinished(300000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    // Runs the batch on the game's photographs and checks the SGF it wrote
    // against the game: GNU Go reads it and plays every move again.
    GnuGoReplay recordOf(const SgfGame& game, const QStringList& extra = {}) {
        const BatchRun run =
            batch(QStringList{"--rules", game.rules.isEmpty() ? "Japanese" : game.rules,
                              "--black-side", "S", "--no-kifu"} +
                      extra,
                  photograph(game));
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.files().size(), 1) << run.out.toStdString();
        if (run.files().isEmpty()) return {};
        const GnuGoReplay replay = ReplayWithGnuGo(run.files().first(), game.boardSize);
        EXPECT_TRUE(replay.read);
        EXPECT_EQ(replay.failure, "");
        return replay;
    }

    TempProgramDir program;
    QString batchProgram;
    TempProgramDir photos;
};

}  // namespace

TEST_F(BatchEndToEndTest, ANineLineGameWithACaptureAndAPass) {
    const SgfGame game = NineLineGame();
    const QStringList series = photograph(game);
    const BatchRun run = batch({"--rules", "Japanese", "--black", "Rossi", "--white", "Bianchi",
                                "--komi", "6,5", "--black-side", "S"},
                               series);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(
        run.out.startsWith(QString("Banmark ha terminato l'elaborazione della partita.\n"
                                   "Sono state esaminate %1 fotografie per un totale di %2 mosse.")
                               .arg(series.size())
                               .arg(game.moves.size())))
        << run.out.toStdString();
    const QString base = photos.path() + "partita/Bianchi - Rossi";
    ASSERT_EQ(run.files(), QStringList({base + ".sgf", base + ".png"}));
    EXPECT_FALSE(QImage(base + ".png").isNull());
    // Every pass was asked about and answered on one line of its own.
    EXPECT_TRUE(run.err.contains(QRegularExpression("passa\\?.* -> Sì\\n")));

    const GnuGoReplay replay = ReplayWithGnuGo(base + ".sgf", 9);
    EXPECT_EQ(replay.failure, "");
    EXPECT_EQ(replay.moves, gtpMoves(game.moves, 9));
    QFile sgf(base + ".sgf");
    ASSERT_TRUE(sgf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(sgf.readAll().contains("KM[6.5]"));
}

TEST_F(BatchEndToEndTest, AThirteenLineGame) {
    const SgfGame game = ThirteenLineGame();
    EXPECT_EQ(recordOf(game).moves, gtpMoves(game.moves, 13));
}

TEST_F(BatchEndToEndTest, ANineteenLineGameWithCapturesAndAKo) {
    const SgfGame game = NineteenLineGame();
    EXPECT_EQ(recordOf(game).moves, gtpMoves(game.moves, 19));
}

TEST_F(BatchEndToEndTest, AFourStoneHandicapIsASetupUnderJapaneseRules) {
    const SgfGame game = HandicapGame("Japanese");
    const GnuGoReplay replay = recordOf(game, {"--handicap", "4"});
    QStringList setup;
    for (const QPoint& stone : game.setupBlack) setup << vertex(stone.x(), stone.y(), 13);
    EXPECT_EQ(sorted(replay.setupBlack), sorted(setup));
    EXPECT_EQ(replay.moves, gtpMoves(game.moves, 13));
}

TEST_F(BatchEndToEndTest, AFourStoneHandicapLeadsWithBlackMovesUnderChineseRules) {
    const SgfGame game = HandicapGame("Chinese");
    const GnuGoReplay replay = recordOf(game, {"--handicap", "4"});
    QStringList leading;
    for (const QPoint& stone : game.setupBlack)
        leading << "black " + vertex(stone.x(), stone.y(), 13);
    EXPECT_TRUE(replay.setupBlack.isEmpty());
    ASSERT_EQ(replay.moves.size(), game.moves.size() + 4);
    EXPECT_EQ(sorted(replay.moves.mid(0, 4)), sorted(leading));
    EXPECT_EQ(replay.moves.mid(4), gtpMoves(game.moves, 13));
}

TEST_F(BatchEndToEndTest, AnUnrelatedPhotographInTheFolderIsLeftOut) {
    const SgfGame game = NineLineGame();
    const QStringList series = photograph(game);
    // A picture of another board that sorts inside the series.
    SgfGame other;
    other.boardSize = 9;
    other.moves = {{kWhite, false, 0, 0}};
    const QStringList strange =
        RenderPhotoSeries(other, photos.path() + "altro", LookFor(9, {1200, 900}));
    ASSERT_FALSE(strange.isEmpty());
    ASSERT_TRUE(QFile::copy(strange.last(), photos.path() + "partita/IMG_0012 da Marco.jpg"));
    const BatchRun run = batch({"--rules", "Japanese", "--black-side", "S", "--no-kifu"}, series);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QString("esaminate %1 fotografie").arg(series.size())));
    EXPECT_EQ(ReplayWithGnuGo(run.files().first(), 9).moves, gtpMoves(game.moves, 9));
}

TEST_F(BatchEndToEndTest, ADuplicatedPhotographIsIgnoredOrStopsTheRun) {
    // The game up to its first pass: ignoring unchanged photographs would
    // drop a real pass too.
    SgfGame game = NineLineGame();
    game.moves.erase(std::find_if(game.moves.begin(), game.moves.end(),
                                  [](const GameMove& move) { return move.pass; }),
                     game.moves.end());
    const QStringList series = photograph(game);
    // Taken twice after White's move 6: the copy sorts right after it.
    ASSERT_TRUE(QFile::copy(series[6], photos.path() + "partita/IMG_0007a.jpg"));

    const BatchRun ignored =
        batch({"--rules", "Japanese", "--black-side", "S", "--no-kifu", "--on-unchanged", "ignore"},
              series);
    ASSERT_EQ(ignored.status, 0) << ignored.err.toStdString();
    EXPECT_TRUE(ignored.err.contains("Nero passa?"));
    EXPECT_EQ(ReplayWithGnuGo(ignored.files().first(), 9).moves, gtpMoves(game.moves, 9));
    QFile::remove(ignored.files().first());

    // Taken as Black's pass, Black's next stone is out of turn: by default
    // the anomaly stops the run and nothing is written.
    const BatchRun stopped =
        batch({"--rules", "Japanese", "--black-side", "S", "--no-kifu"}, series);
    EXPECT_EQ(stopped.status, 4);
    EXPECT_TRUE(stopped.err.contains("Ha mosso Nero; doveva muovere Bianco. -> 999"))
        << stopped.err.toStdString();
    EXPECT_TRUE(stopped.err.contains("banmark-batch: elaborazione interrotta"));
    EXPECT_TRUE(stopped.out.isEmpty());
    EXPECT_TRUE(QDir(photos.path() + "partita").entryList({"*.sgf"}).isEmpty());
}

TEST_F(BatchEndToEndTest, NoBoardOrBadArgumentsEndWithTheirOwnStatus) {
    QImage blank(640, 480, QImage::Format_RGB32);
    blank.fill(qRgb(90, 60, 40));
    ASSERT_TRUE(blank.save(photos.path() + "a1.jpg"));
    ASSERT_TRUE(blank.save(photos.path() + "a2.jpg"));
    const QStringList series{photos.path() + "a1.jpg", photos.path() + "a2.jpg"};
    const BatchRun noGrid = batch({"--rules", "Japanese"}, series);
    EXPECT_EQ(noGrid.status, 3);
    EXPECT_TRUE(noGrid.err.contains("banmark-batch: griglia del goban non trovata"));

    EXPECT_EQ(batch({"--rules", "Japanese", "--on-anomaly", "forse"}, series).status, 2);
    EXPECT_EQ(batch({}, {series.last(), series.first()}).status, 2);  // no rules, wrong order
}
