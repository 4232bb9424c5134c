// The made-up games and the sample game have what the end-to-end tests
// count on, proved from the moves themselves.
#include <gtest/gtest.h>

#include <QFile>

#include "game/GameState.h"
#include "render/SeriesPositions.h"
#include "render/TestGames.h"

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

TEST(TestGames, EachGameHasTheLengthCapturesPassesAndKoItPromises) {
    struct Promise {
        SgfGame game;
        std::size_t moves;
        int captures;  // at least
        int passes;    // at least
        bool ko;
    };
    const Promise promises[] = {
        {NineLineGame(), 40, 1, 1, false},     {ThirteenLineGame(), 50, 0, 0, false},
        {NineteenLineGame(), 128, 3, 0, true}, {HandicapGame("Japanese"), 30, 0, 0, false},
        {SampleGame(), 23, 1, 1, false},
    };
    for (const auto& [game, moves, captures, passes, ko] : promises) {
        const std::string name = std::to_string(game.boardSize) + " lines, " +
                                 std::to_string(game.moves.size()) + " moves";
        ASSERT_TRUE(SeriesPositions(game)) << name;
        const GameFeatures features = FeaturesOf(game);
        EXPECT_EQ(game.moves.size(), moves) << name;
        EXPECT_GE(features.captures, captures) << name;
        EXPECT_GE(features.passes, passes) << name;
        EXPECT_EQ(features.koRetaken, ko) << name;
        // No pass before White's first stone, which would leave no trace on the
        // photos, and never three in a row.
        EXPECT_FALSE(game.moves[0].pass || game.moves[1].pass) << name;
        EXPECT_LE(features.longestPassRun, 2) << name;
    }
    EXPECT_TRUE(WriteSgfGame(HandicapGame("Japanese"))
                    .startsWith("(;GM[1]FF[4]SZ[13]HA[4]RU[Japanese]AB[dd][jd][dj][jj]\n;W["));
}
