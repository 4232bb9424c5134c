// The made-up games and the sample game have the features the end-to-end
// tests count on; these tests prove them from the moves themselves.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "game/GameState.h"
#include "render/SeriesPositions.h"
#include "render/TestGames.h"
#include "support/GnuGoReplay.h"

namespace {

struct GameFeatures {
    int captures = 0;  // moves that took stones
    int passes = 0;
    int longestPassRun = 0;
    // A move took back the single stone that had taken a single stone
    // three moves before: a ko taken, a threat and its answer, the ko retaken.
    bool koRetaken = false;
};

GameFeatures FeaturesOf(const SgfGame& game) {
    const std::vector<BoardPosition> positions = SeriesPositions(game).value();
    const std::size_t before = game.setupBlack.size();  // the position before the first move
    const auto point = [&](std::size_t k) {
        return game.moves[k].x + game.moves[k].y * game.boardSize;
    };
    std::vector<std::vector<int>> taken(game.moves.size());
    GameFeatures features;
    int passRun = 0;
    for (std::size_t k = 0; k < game.moves.size(); ++k) {
        for (int p = 0; p < game.boardSize * game.boardSize; ++p) {
            if (positions[before + k][p] != kEmpty && positions[before + k + 1][p] == kEmpty)
                taken[k].push_back(p);
        }
        passRun = game.moves[k].pass ? passRun + 1 : 0;
        features.longestPassRun = std::max(features.longestPassRun, passRun);
        features.passes += game.moves[k].pass;
        features.captures += !taken[k].empty();
        features.koRetaken |= k >= 3 && taken[k] == std::vector{point(k - 3)} &&
                              taken[k - 3] == std::vector{point(k)};
    }
    return features;
}

SgfGame SampleGame() {
    QFile file(QStringLiteral(BANMARK_SAMPLES_DIR "/sample-game.sgf"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return ReadSgfGame(QString::fromUtf8(file.readAll())).value_or(SgfGame{});
}

}  // namespace

TEST(TestGames, EveryGameOpensWithTwoStonesTakesTurnsAndNeverPassesThreeTimesInARow) {
    for (const SgfGame& game : {NineLineGame(), ThirteenLineGame(), NineteenLineGame(),
                                HandicapGame("Chinese"), SampleGame()}) {
        ASSERT_TRUE(SeriesPositions(game)) << game.boardSize;
        EXPECT_FALSE(game.moves[0].pass || game.moves[1].pass) << game.boardSize;
        EXPECT_LE(FeaturesOf(game).longestPassRun, 2) << game.boardSize;
        EXPECT_EQ(game.moves[0].colour, game.handicap > 0 ? kWhite : kBlack) << game.boardSize;
        for (std::size_t k = 1; k < game.moves.size(); ++k)
            EXPECT_EQ(game.moves[k].colour, -game.moves[k - 1].colour)
                << game.boardSize << " " << k;
    }
}

TEST(TestGames, EachGameHasTheSizeLengthCapturesPassesAndKoItPromises) {
    const SgfGame nine = NineLineGame();
    EXPECT_EQ(nine.boardSize, 9);
    EXPECT_EQ(nine.moves.size(), 40u);
    EXPECT_GE(FeaturesOf(nine).captures, 1);
    EXPECT_GE(FeaturesOf(nine).passes, 1);
    EXPECT_FALSE(FeaturesOf(nine).koRetaken);

    EXPECT_EQ(ThirteenLineGame().boardSize, 13);
    EXPECT_EQ(ThirteenLineGame().moves.size(), 50u);

    const SgfGame nineteen = NineteenLineGame();
    EXPECT_EQ(nineteen.boardSize, 19);
    EXPECT_GE(nineteen.moves.size(), 120u);
    EXPECT_GE(FeaturesOf(nineteen).captures, 3);
    EXPECT_TRUE(FeaturesOf(nineteen).koRetaken);

    const SgfGame handicap = HandicapGame(QStringLiteral("Japanese"));
    EXPECT_TRUE(WriteSgfGame(handicap).startsWith(
        "(;GM[1]FF[4]SZ[13]HA[4]RU[Japanese]AB[dd][jd][dj][jj]\n;W["));
    EXPECT_EQ(handicap.moves.size(), 30u);

    const SgfGame sample = SampleGame();
    EXPECT_EQ(sample.boardSize, 9);
    EXPECT_EQ(sample.moves.size(), 23u);
    EXPECT_EQ(FeaturesOf(sample).captures, 1);
    EXPECT_EQ(FeaturesOf(sample).passes, 1);
}

// GNU Go reads each written game and plays every move to the same final
// position: a second referee for the games, and a check of the writer.
TEST(TestGames, GnuGoPlaysEveryWrittenGameToTheSamePosition) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("game.sgf"));
    for (const SgfGame& game : {NineLineGame(), ThirteenLineGame(), NineteenLineGame(),
                                HandicapGame("Japanese"), SampleGame()}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(WriteSgfGame(game).toLatin1());
        file.close();
        const GnuGoReplay replay = ReplayWithGnuGo(path, game.boardSize);
        EXPECT_EQ(replay.failure, "") << game.boardSize;
        EXPECT_EQ(replay.moves.size(), static_cast<qsizetype>(game.moves.size()));
        GoBoard board(game.boardSize);
        for (const QPoint& stone : game.setupBlack) board.play(kBlack, stone.x(), stone.y());
        for (const GameMove& move : game.moves) {
            if (!move.pass) board.play(move.colour, move.x, move.y);
        }
        EXPECT_EQ(replay.diagram, board.diagram()) << game.boardSize;
    }
}
