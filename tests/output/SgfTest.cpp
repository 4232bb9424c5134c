#include <gtest/gtest.h>

#include <QFile>

#include "game/GameDetails.h"
#include "game/GameState.h"
#include "game/MoveText.h"
#include "output/SgfFile.h"
#include "output/SgfMoves.h"
#include "support/GnuGoReplay.h"
#include "support/ScriptedUserPort.h"
#include "support/TempProgramDir.h"

namespace {

const SgfOrientation kSouth{18, "S"};
const QByteArray kRoot = "(;FF[4]GM[1]SZ[19]CA[ISO-8859-1]AP[Banmark:1.00]\r\n\r\n";

// A record of the given move texts on 19 lines, Black at the bottom.
SgfRecord recordOf(const QStringList& moveTexts, int boardSize = 19) {
    const SgfOrientation orientation{boardSize - 1, "S"};
    SgfRecord record;
    record.boardSize = boardSize;
    for (const QString& text : moveTexts) {
        if (const auto move = SgfMoveOf(text, orientation)) record.moves.push_back(*move);
    }
    return record;
}

// The file's text after the root and before the closing ")".
QString bodyOf(const SgfRecord& record, const GameDetails& details = {}) {
    return QString::fromLatin1(SgfFileBytes(record, details)).mid(kRoot.size()).chopped(3);
}

QStringList alternatingMoves(int count) {
    QStringList moves;
    for (int m = 0; m < count; ++m)
        moves << StoneMoveText(m % 2 == 0 ? kBlack : kWhite, m % 19, m / 19, 19);
    return moves;
}

}  // namespace

// Every file the tests write is read back by GNU Go and replayed move by move.
class SgfFileTest : public testing::Test {
protected:
    QByteArray writeAndReplay(const SgfRecord& record, int expectedMoves) {
        EXPECT_TRUE(WriteSgfFile(base(), record, details, port));
        const GnuGoReplay replay = ReplayWithGnuGo(base() + ".sgf");
        EXPECT_TRUE(replay.read);
        EXPECT_EQ(replay.failure, "");
        EXPECT_EQ(replay.moves.size(), expectedMoves);
        QFile file(base() + ".sgf");
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    QString base() const { return dir.path() + "partita"; }

    TempProgramDir dir;
    GameDetails details;
    ScriptedUserPort port;
};

TEST(SgfMoves, MovesBecomeNodesWithBlackAtTheBottom) {
    const auto nodeOf = [](const QString& text, const QString& side) {
        SgfRecord record;
        if (const auto move = SgfMoveOf(text, {18, side})) record.moves.push_back(*move);
        return bodyOf(record);
    };
    EXPECT_EQ(nodeOf("N: D4", "S"), ";B[pp]");
    EXPECT_EQ(nodeOf("N: D4", "N"), ";B[dd]");
    EXPECT_EQ(nodeOf("N: D4", "E"), ";B[dp]");
    EXPECT_EQ(nodeOf("N: D4", "W"), ";B[pd]");
    EXPECT_EQ(nodeOf("N: ", "S"), ";B[");  // names no point
    EXPECT_EQ(nodeOf("", "S"), "");        // no move at all
    EXPECT_EQ(ToSgfPoint(3, 3, {18, ""}), std::nullopt);

    GameState state;
    state.MoveCount = 3;
    state.Moves(1, 1) = "N: Q16";
    state.Moves(3, 1) = "B: pass";
    SgfRecord record;
    record.moves = SgfMovesOf(state, state.MoveCount, kSouth);
    EXPECT_EQ(bodyOf(record), ";B[dd];W[]");
}

TEST(SgfMoves, HandicapStonesAreSetUpOnlyUnderAgaAndJapaneseRules) {
    // Two handicap stones, found at (3, 3) and (15, 15) and photographed as
    // Black's first two moves, then White's first move.
    const auto arranged = [](const QStringList& moves, GameDetails details,
                             const SgfOrientation& orientation) {
        SgfRecord record = recordOf(moves);
        AddHandicapStones(record, "[dd][pp]", details, orientation);
        return bodyOf(record, details);
    };
    GameDetails details;
    details.handicapIndex = 1;
    details.rules = "AGA";
    const QStringList moves{"N: Q16", "N: D4", "B: D16", "N: Q4"};
    EXPECT_EQ(arranged(moves, details, kSouth),
              "HA[2]\r\nRU[AGA]\r\n\r\nAB[dd][pp]\r\n;W[dp];B[pd]");

    details.rules = "Japanese";  // but no handicap selected
    details.handicapIndex = -1;
    EXPECT_EQ(arranged({"B: D16"}, details, {18, "N"}),  // the stones turn with the board
              "RU[Japanese]\r\n\r\n;B[pp];B[dd];W[dp]");
}

TEST_F(SgfFileTest, TheLayoutFollowsWhatIsFilledIn) {
    EXPECT_EQ(writeAndReplay(recordOf({}), 0), kRoot + ")\r\n");

    details.handicapIndex = 1;
    details.whiteRankIndex = 12;  // a rank without a name is not written
    EXPECT_EQ(writeAndReplay(recordOf({}), 0), kRoot + "HA[2]\r\n\r\n)\r\n");

    // Texts escaped, and in Latin-1 with "?" for what it cannot hold.
    details = GameDetails();
    details.whiteName = "Neri]\\";
    details.whiteRankIndex = 12;
    details.blackName = "Bianchi";
    details.komi = "6.5";
    details.rules = "Japanese";
    details.place = "Città 李";
    details.result = "W+R";
    EXPECT_EQ(writeAndReplay(recordOf({"B: pass"}), 1),
              kRoot +
                  "PW[Neri\\]\\\\]WR[7d]\r\nPB[Bianchi]\r\nKM[6.5]\r\nRU[Japanese]\r\n"
                  "PC[Citt\xE0 ?]\r\nRE[W+R]\r\n\r\n;W[])\r\n");
}

TEST_F(SgfFileTest, MovesGoTenToALine) {
    const QByteArray ten = writeAndReplay(recordOf(alternatingMoves(10)), 10);
    EXPECT_EQ(ten.count(";"), 11);  // the root and ten moves
    EXPECT_TRUE(ten.endsWith(";W[ja])\r\n"));
    EXPECT_EQ(ten.count("\r\n"), 3);

    const QByteArray eleven = writeAndReplay(recordOf(alternatingMoves(11)), 11);
    EXPECT_TRUE(eleven.endsWith(";W[ja]\r\n;B[ka])\r\n"));

    // Written again, the file holds the new record alone.
    EXPECT_EQ(writeAndReplay(recordOf({"N: D4"}), 1), kRoot + ";B[pp])\r\n");
}

TEST(OutputName, TheLastRuleThatAppliesNamesTheFiles) {
    GameDetails d;
    EXPECT_EQ(BuildOutputName("/foto/IMG_1.jpg", d, "/prog/"), "/foto/Banmark");
    EXPECT_EQ(BuildOutputName("IMG_1.jpg", d, "/prog/"), "/prog/Banmark");
    d.whiteName = "Rossi";
    d.blackName = "Bianchi";
    EXPECT_EQ(BuildOutputName("/foto/IMG_1.jpg", d, "/prog/"), "/foto/Rossi - Bianchi");
    d.date = "2026-12-06";
    EXPECT_EQ(BuildOutputName("/foto/IMG_1.jpg", d, "/prog/"), "/foto/2026-12-06");
    d.event = "Coppa";
    EXPECT_EQ(BuildOutputName("/foto/IMG_1.jpg", d, "/prog/"), "/foto/Coppa -");
    d.gameName = "Finale";
    EXPECT_EQ(BuildOutputName("/foto/IMG_1.jpg", d, "/prog/"), "/foto/Finale");
}
