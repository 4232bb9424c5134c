#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include "app/Program.h"
#include "game/GameDetails.h"
#include "game/MoveText.h"
#include "recognition/GameOpening.h"
#include "recognition/GameStart.h"
#include "support/Boards.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedUserPort.h"

// The stones found when White's first stone appears, against the handicap
// and the rules set: what CheckGameStart returns, the question of a pass by
// Black, the one warning it shows with every contradiction found in it, and
// what is left of the details.
TEST(GameStart, TheStonesFoundCorrectTheHandicapAndTheRulesInOneWarning) {
    const char* againstTheRules =
        "La prima mossa è stata di Bianco e questo è incompatibile con le regole impostate (che "
        "saranno ignorate).";
    const char* noneFound =
        "Sono state impostate 3 pietre di handicap, ma non ne è stata trovata alcuna.";
    const char* threeFound =
        "Sono state impostate 4 pietre di handicap, ma ne sono state trovate 3.";
    const char* twelveFound =
        "Sono state impostate 0 pietre di handicap, ma ne sono state trovate 12.";
    const char* offTheStarPoints =
        "Sono state impostate le regole Japanese, ma le pietre di handicap non sono posizionate "
        "sugli hoshi.\r\nLe regole impostate saranno ignorate.";
    const char* bothInOneBox =
        "Sono state impostate 0 pietre di handicap, ma ne sono state trovate 3.\r\n\r\nSono state "
        "impostate le regole AGA, ma le pietre di handicap non sono posizionate sugli hoshi.\r\nLe "
        "regole impostate saranno ignorate.";
    struct Case {
        const char* rules;
        int handicapIndex;  // 2 stands for "3"
        int count;
        bool onHoshi;
        std::deque<Answer> answers;
        int returned;
        const char* rulesAfter;
        const char* handicapAfter;  // the entry then chosen
        const char* warning;        // after "Attenzione!", "" for none
    };
    const Case cases[] = {
        // White first: a pass by Black, or against the rules set.
        {"Chinese", -1, 0, true, {Answer::Yes}, kBlackPassedFirst, "Chinese", "", ""},
        {"Chinese", -1, 0, true, {Answer::No}, kAbandonRun, "", "", againstTheRules},
        {"Korean", -1, 0, true, {Answer::No}, 0, "Korean", "", ""},
        // One stone is an even game; otherwise the handicap follows the stones.
        {"", 2, 1, true, {}, 1, "", "", noneFound},
        {"", -1, 1, true, {}, 1, "", "", ""},
        {"", 3, 3, true, {}, 3, "", "3", threeFound},
        {"", -1, 12, true, {}, 12, "", "12", twelveFound},
        {"", 1, 2, true, {}, 2, "", "2", ""},
        // Stones off the star points void Japanese rules only.
        {"Japanese", 3, 4, true, {}, 4, "Japanese", "4", ""},
        {"japanese", 3, 4, false, {}, 4, "japanese", "4", ""},
        {"Japanese", 3, 4, false, {}, 4, "", "4", offTheStarPoints},
        {"AGA", -1, 3, false, {}, 3, "", "3", bothInOneBox},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases << ": " << c.rules);
        GameDetails details;
        details.rules = c.rules;
        details.handicapIndex = c.handicapIndex;
        ScriptedUserPort port;
        port.answers = c.answers;
        int count = c.count;
        CheckGameStart(count, c.onHoshi, details, port);
        EXPECT_EQ(count, c.returned);
        QString warning;
        for (const MessageBoxRequest& m : port.messages) {
            if (m.icon == MessageIcon::Exclamation) {
                warning = m.text;
            } else {
                EXPECT_EQ(m.text, "Attenzione!\r\n\r\nBianco ha mosso per primo. Nero ha passato?");
                EXPECT_EQ(m.buttons, MessageButtons::YesNo);
            }
        }
        EXPECT_EQ(warning, *c.warning ? QString("Attenzione!\r\n\r\n") + c.warning : "");
        EXPECT_EQ(port.messages.size(), c.answers.size() + (*c.warning ? 1 : 0));
        EXPECT_EQ(details.rules, c.rulesAfter);
        EXPECT_EQ(HandicapEntries(details.handicapMax).value(details.handicapIndex),
                  c.handicapAfter);
    }
}

namespace {

// The photograph with White's first stone, classified under move 1, its
// black stones listed as handicap tokens.
struct Opening {
    Program program;
    ScriptedUserPort port;

    Opening(const QString& rules, int handicapIndex, const char* photo) {
        GameState& state = program.state;
        state.BoardSize = 9;
        state.GridMax = 8;
        state.MoveCount = 1;
        program.details.rules = rules;
        program.details.handicapIndex = handicapIndex;
        RecognitionState& rec = program.recognition;
        rec.HoshiList = HoshiListFor(9);
        LayRows(state, 1, photo);
        for (int i = 0; i <= 8; ++i) {
            for (int j = 0; j <= 8; ++j) {
                if (state.Positions(i, j, 1) != kBlack) continue;
                rec.HandicapList += PointToken(i, j);
                ++rec.HandicapCount;
                rec.HandicapOnHoshi &= rec.HoshiList.contains(PointToken(i, j));
            }
        }
        // Whatever an earlier run left must not reach this game.
        state.Moves(1, 1) = "N: A1";
        state.Moves(2, 1) = "B: A2";
    }
    bool settle() {
        GameRecord game = program.record();
        return SettleGameStart(game, port);
    }
    QString position(int m) const { return RowsOf(program.state, m); }
};

// White's first stone at the top, two black stones on the star points below.
const char* kTwoBlack = R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . O . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . X . . . X . .)";
const char* kWhiteOnly = R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . O . .)";

// The drawing on the whole board, White's stone taken away when asked.
QString board(const char* rows, bool white = true) {
    std::vector<int> stones = StonesFromRows(9, rows);
    if (!white) std::replace(stones.begin(), stones.end(), int(kWhite), int(kEmpty));
    return RowsOfStones(9, stones);
}

}  // namespace

TEST(GameOpening, AFixedHandicapIsASetupAndFreeStonesAreMoves) {
    Opening fixed("Japanese", 1, kTwoBlack);  // two stones
    ASSERT_TRUE(fixed.settle());
    EXPECT_EQ(fixed.program.state.MoveCount, 1);
    EXPECT_EQ(fixed.position(0), board(kTwoBlack, false));
    EXPECT_EQ(fixed.position(1), board(kTwoBlack));
    EXPECT_EQ(fixed.port.detailShows, 1);

    Opening free("Chinese", 1, kTwoBlack);
    ASSERT_TRUE(free.settle());
    EXPECT_EQ(free.program.state.MoveCount, 3);
    EXPECT_EQ(free.program.state.FirstEditableMove, 3);  // corrections start at White's move
    EXPECT_EQ(free.position(1), board(""));
    EXPECT_EQ(free.position(2), board(kTwoBlack, false));
    EXPECT_EQ(free.position(3), board(kTwoBlack));
    // Black's stones become leading moves from the handicap list, not from
    // the texts an earlier run left.
    EXPECT_EQ(free.program.state.Moves(1, 1), "");
    EXPECT_EQ(free.program.state.Moves(2, 1), "");
    EXPECT_EQ(free.program.recognition.HandicapList, "[cg][gg]");
}

// White first, no pass, and rules the program does not know: the record
// starts with White's move 2, move 1 empty.
TEST(GameOpening, WhiteFirstWithoutAPassLeavesMoveOneEmpty) {
    Opening white("Go di casa", -1, kWhiteOnly);
    white.port.answers = {Answer::No};
    ASSERT_TRUE(white.settle());
    EXPECT_EQ(white.program.state.MoveCount, 2);
    EXPECT_EQ(white.program.state.Moves(1, 1), "");
    EXPECT_EQ(white.position(2), board(kWhiteOnly));
}
