#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <algorithm>

#include "game/GameDetails.h"
#include "game/GameState.h"
#include "game/MoveText.h"
#include "output/SgfFile.h"
#include "output/SgfMoves.h"
#include "render/GoGame.h"
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
    for (const QString& text : moveTexts) record.sgfMoves += MoveToSgf(text, orientation);
    return record;
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
        const GnuGoReplay replay = ReplayWithGnuGo(base() + ".sgf", record.boardSize);
        EXPECT_TRUE(replay.read);
        EXPECT_EQ(replay.failure, "");
        EXPECT_EQ(replay.moves.size(), expectedMoves);
        lastReplay = replay;
        QFile file(base() + ".sgf");
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    QString base() const { return dir.path() + "partita"; }

    TempProgramDir dir;
    GameDetails details;
    ScriptedUserPort port;
    GnuGoReplay lastReplay;
};

TEST(SgfMoves, MovesBecomeNodesWithBlackAtTheBottom) {
    EXPECT_EQ(MoveToSgf("N: D4", {18, "S"}), ";B[pp]");
    EXPECT_EQ(MoveToSgf("N: D4", {18, "N"}), ";B[dd]");
    EXPECT_EQ(MoveToSgf("N: D4", {18, "E"}), ";B[dp]");
    EXPECT_EQ(MoveToSgf("N: D4", {18, "W"}), ";B[pd]");
    EXPECT_EQ(MoveToSgf("B: K10", kSouth), ";W[jj]");  // no "I": "K" is the tenth column
    EXPECT_EQ(MoveToSgf("B: pass", kSouth), ";W[]");
    EXPECT_EQ(MoveToSgf("N: ", kSouth), ";B[");  // names no point
    EXPECT_EQ(ToSgfPoint(3, 3, {18, ""}), "");

    GameState state;
    state.MoveCount = 2;
    state.Moves(1, 1) = "N: Q16";
    state.Moves(2, 1) = "B: pass";
    EXPECT_EQ(SgfMovesOf(state, state.MoveCount, kSouth), ";B[dd];W[]");
}

TEST(SgfMoves, HandicapStonesAreSetUpOnlyUnderAgaAndJapaneseRules) {
    // Two handicap stones, found at (3, 3) and (15, 15) and photographed as
    // Black's first two moves, then White's first move.
    const QString found = "[dd][pp]";
    const QString moves = ";B[dd];B[pp];W[dp];B[pd]";
    GameDetails details;
    details.handicapIndex = 1;
    details.rules = "AGA";
    QString list = found;
    QString sgf = moves;
    ArrangeHandicapStones(list, sgf, details, kSouth);
    EXPECT_EQ(list, "[dd][pp]");
    EXPECT_EQ(sgf, ";W[dp];B[pd]");

    details.rules = "Chinese";
    list = found;
    sgf = moves;
    ArrangeHandicapStones(list, sgf, details, kSouth);
    EXPECT_EQ(list, "");
    EXPECT_EQ(sgf, ";B[dd];B[pp];W[dp];B[pd]");

    details.rules = "Japanese";  // but no handicap selected
    details.handicapIndex = -1;
    list = found;
    sgf = ";W[dp]";
    ArrangeHandicapStones(list, sgf, details, {18, "N"});  // the stones turn with the board
    EXPECT_EQ(sgf, ";B[pp];B[dd];W[dp]");
}

TEST_F(SgfFileTest, TheLayoutFollowsWhatIsFilledIn) {
    EXPECT_EQ(writeAndReplay(recordOf({}), 0), kRoot + ")\r\n");

    details.handicapIndex = 1;
    details.whiteRankIndex = 12;  // a rank without a name is not written
    EXPECT_EQ(writeAndReplay(recordOf({}), 0), kRoot + "HA[2]\r\n\r\n)\r\n");

    details = GameDetails();
    details.whiteName = "Rossi";
    details.whiteRankIndex = 12;
    details.blackName = "Bianchi";
    details.komi = "6.5";
    details.rules = "Japanese";
    details.result = "W+R";
    EXPECT_EQ(writeAndReplay(recordOf({"B: pass"}), 1),
              kRoot + "PW[Rossi]WR[7d]\r\nPB[Bianchi]\r\nKM[6.5]\r\nRU[Japanese]\r\nRE[W+R]\r\n\r\n"
                      ";W[])\r\n");
}

TEST_F(SgfFileTest, MovesGoTenToALine) {
    const QByteArray ten = writeAndReplay(recordOf(alternatingMoves(10)), 10);
    EXPECT_EQ(ten.count(";"), 11);  // the root and ten moves
    EXPECT_TRUE(ten.endsWith(";W[ja])\r\n"));
    EXPECT_EQ(ten.count("\r\n"), 3);

    const QByteArray eleven = writeAndReplay(recordOf(alternatingMoves(11)), 11);
    EXPECT_TRUE(eleven.endsWith(";W[ja]\r\n;B[ka])\r\n"));
}

TEST_F(SgfFileTest, TextsAreEscapedAndWrittenInLatin1) {
    details.whiteName = "Neri]\\";
    details.place = "Città 李";
    const QByteArray bytes = writeAndReplay(recordOf({"N: D4"}), 1);
    EXPECT_TRUE(bytes.contains("PW[Neri\\]\\\\]\r\n"));
    EXPECT_TRUE(bytes.contains("PC[Citt\xE0 ?]\r\n"));
}

TEST_F(SgfFileTest, HandicapStonesAreWrittenAsSetup) {
    SgfRecord record = recordOf({"B: C3", "N: E5"});
    record.handicapList = "[dd][pp]";
    const QByteArray bytes = writeAndReplay(record, 2);
    EXPECT_TRUE(bytes.contains("\r\nAB[dd][pp]\r\n;W[qq];B[oo])\r\n"));
    EXPECT_EQ(lastReplay.setupBlack, QStringList({"D16", "Q4"}));
    EXPECT_EQ(lastReplay.moves.first(), "white R3");
}

TEST_F(SgfFileTest, AGameWithCapturesEndsInTheSamePosition) {
    GoBoard board(9);
    const std::vector<GameMove> game = RandomGame(board, 220, 3);
    QStringList texts;
    for (const GameMove& move : game) {
        texts << (move.pass ? PassMoveText(move.colour)
                            : StoneMoveText(move.colour, move.x, move.y, 9));
    }
    writeAndReplay(recordOf(texts, 9), static_cast<int>(game.size()));
    EXPECT_EQ(lastReplay.diagram, board.diagram());
    const auto played = std::count_if(game.begin(), game.end(), [](auto& m) { return !m.pass; });
    const auto standing = 81 - lastReplay.diagram.count(u'.');
    EXPECT_GT(played, standing + 20);  // many stones were captured
}

TEST_F(SgfFileTest, WritingAgainReplacesTheFile) {
    writeAndReplay(recordOf(alternatingMoves(3)), 3);
    EXPECT_EQ(writeAndReplay(recordOf({"N: D4"}), 1), kRoot + ";B[pp])\r\n");
}

TEST_F(SgfFileTest, AFileThatCannotBeWrittenIsReportedAndLeavesNothing) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("partita.sgf"));  // a folder of that name is in the way
    EXPECT_FALSE(WriteSgfFile(base(), recordOf({"N: D4"}), details, port));
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_TRUE(port.messages[0].text.startsWith("Impossibile salvare il file:\r\n\"" + base() +
                                                 ".sgf\".\r\n\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());

    EXPECT_FALSE(WriteSgfFile(dir.path() + "manca/partita", recordOf({}), details, port));
    EXPECT_TRUE(port.messages[1].text.endsWith(
        "La cartella non consente la scrittura, oppure il file è aperto in un altro programma."));
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
