#include <gtest/gtest.h>

#include "game/GameState.h"
#include "render/SgfGame.h"

TEST(SgfGame, WritesColumnsBeforeRowsAndPassesAsEmptyValuesAndReadsThemBack) {
    SgfGame game;
    game.boardSize = 13;
    game.handicap = 2;
    game.rules = QStringLiteral("Odd]rule\\");
    game.setupBlack = {{3, 9}, {9, 3}};
    game.moves = {{kWhite, false, 0, 12}, {kBlack, true, 0, 0}, {kWhite, false, 12, 1}};
    const QString text = WriteSgfGame(game);
    EXPECT_EQ(text, "(;GM[1]FF[4]SZ[13]HA[2]RU[Odd\\]rule\\\\]AB[dj][jd]\n;W[am];B[];W[mb])\n");
    const std::optional<SgfGame> read = ReadSgfGame(text);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->rules, game.rules);
    EXPECT_EQ(WriteSgfGame(*read), text);
}

TEST(SgfGame, ReadsTheMainLineOnlyAndIgnoresOtherProperties) {
    QString error;
    const std::optional<SgfGame> game = ReadSgfGame(
        "  (;GM[1]FF[4]SZ[19]PB[Rossi]C[a [note\\] here]\n AB[pd]\n[dp]"
        ";B[tt]C[pass];W[qc](;B[cd];W[]) (;B[aa]))(;SZ[9])",
        &error);
    ASSERT_TRUE(game) << error.toStdString();
    EXPECT_EQ(WriteSgfGame(*game), "(;GM[1]FF[4]SZ[19]AB[pd][dp]\n;B[];W[qc];B[cd];W[])\n");
}

TEST(SgfGame, RefusesMalformedTextsOtherSizesAndPointsOffTheBoard) {
    for (const char* text : {"", "SZ[9]", "(SZ[9])", "(;SZ[9]", "(;SZ[9]C[no end)", "(;SZ[9]B)",
                             "(;SZ[9];B[ee]x)", "(;SZ[10])", "(;SZ[nine])", "(;SZ[9];B[ii];W[ij])",
                             "(;SZ[9];B[e])", "(;SZ[13]AB[dd][zz])", "(;SZ[9];B[ee][ff])",
                             "(;SZ[9]HA[two])", "(;SZ[9]AW[ee])", "(;SZ[9];B[ee]AB[cc])"}) {
        QString error;
        EXPECT_FALSE(ReadSgfGame(text, &error)) << text;
        EXPECT_FALSE(error.isEmpty()) << text;
    }
}
