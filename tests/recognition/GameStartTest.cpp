#include <gtest/gtest.h>

#include <memory>

#include "app/Program.h"
#include "game/GameDetails.h"
#include "game/MoveText.h"
#include "recognition/GameOpening.h"
#include "recognition/GameStart.h"
#include "support/ScriptedUserPort.h"

namespace {

struct Start {
    GameDetails details;
    ScriptedUserPort port;

    int check(int count, bool onHoshi = true) {
        CheckGameStart(count, onHoshi, details, port);
        return count;
    }
    // The text of the single warning shown, "" when there was none.
    QString warning() const {
        for (const MessageBoxRequest& m : port.messages) {
            if (m.icon == MessageIcon::Exclamation) return m.text;
        }
        return {};
    }
};

}  // namespace

TEST(GameStart, WhiteFirstIsABlackPassOrAgainstTheRules) {
    Start yes;
    yes.details.rules = "Chinese";
    yes.port.answers = {Answer::Yes};
    EXPECT_EQ(yes.check(0), kBlackPassedFirst);
    ASSERT_EQ(yes.port.messages.size(), 1u);
    EXPECT_EQ(yes.port.messages[0].text,
              "Attenzione!\r\n\r\nBianco ha mosso per primo. Nero ha passato?");
    EXPECT_EQ(yes.port.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(yes.details.rules, "Chinese");

    Start chinese;
    chinese.details.rules = "Chinese";
    chinese.port.answers = {Answer::No};
    EXPECT_EQ(chinese.check(0), kAbandonRun);
    EXPECT_EQ(chinese.warning(),
              "Attenzione!\r\n\r\nLa prima mossa è stata di Bianco e questo è incompatibile con "
              "le regole impostate (che saranno ignorate).");
    EXPECT_TRUE(chinese.details.rules.isEmpty());

    Start korean;
    korean.details.rules = "Korean";
    korean.port.answers = {Answer::No};
    EXPECT_EQ(korean.check(0), 0);
    EXPECT_EQ(korean.port.messages.size(), 1u);  // the question only
    EXPECT_EQ(korean.details.rules, "Korean");
}

TEST(GameStart, OneStoneIsAnEvenGame) {
    Start start;
    start.details.handicapIndex = 2;  // "3"
    EXPECT_EQ(start.check(1), 1);
    EXPECT_EQ(start.warning(),
              "Attenzione!\r\n\r\nSono state impostate 3 pietre di handicap, ma non ne è stata "
              "trovata alcuna.");
    EXPECT_EQ(start.details.handicapIndex, -1);

    Start even;
    EXPECT_EQ(even.check(1), 1);
    EXPECT_TRUE(even.port.messages.empty());
}

TEST(GameStart, TheHandicapFollowsTheStonesFound) {
    Start four;
    four.details.handicapIndex = 3;  // "4"
    EXPECT_EQ(four.check(3), 3);
    EXPECT_EQ(four.warning(),
              "Attenzione!\r\n\r\nSono state impostate 4 pietre di handicap, ma ne sono state "
              "trovate 3.");
    EXPECT_EQ(HandicapEntries(four.details.handicapMax).value(four.details.handicapIndex), "3");

    Start twelve;
    EXPECT_EQ(twelve.check(12), 12);
    EXPECT_EQ(twelve.warning(),
              "Attenzione!\r\n\r\nSono state impostate 0 pietre di handicap, ma ne sono state "
              "trovate 12.");
    const QStringList entries = HandicapEntries(twelve.details.handicapMax);
    EXPECT_EQ(entries.mid(9), QStringList({"10", "11", "12"}));
    EXPECT_EQ(entries.value(twelve.details.handicapIndex), "12");

    Start matching;
    matching.details.handicapIndex = 1;
    EXPECT_EQ(matching.check(2), 2);
    EXPECT_TRUE(matching.port.messages.empty());
}

TEST(GameStart, HandicapStonesOffTheStarPointsVoidJapaneseRules) {
    // Four handicap stones, as set, under the given rules.
    const auto fourStones = [](const QString& rules, bool onHoshi) {
        auto start = std::make_unique<Start>();
        start->details.rules = rules;
        start->details.handicapIndex = 3;
        start->check(4, onHoshi);
        return start;
    };
    EXPECT_TRUE(fourStones("Japanese", true)->port.messages.empty());
    EXPECT_TRUE(fourStones("japanese", false)->port.messages.empty());

    const auto off = fourStones("Japanese", false);
    EXPECT_EQ(off->warning(),
              "Attenzione!\r\n\r\nSono state impostate le regole Japanese, ma le pietre di "
              "handicap non sono posizionate sugli hoshi.\r\nLe regole impostate saranno "
              "ignorate.");
    EXPECT_TRUE(off->details.rules.isEmpty());

    // Both contradictions in one box.
    Start both;
    both.details.rules = "AGA";
    EXPECT_EQ(both.check(3, false), 3);
    ASSERT_EQ(both.port.messages.size(), 1u);
    EXPECT_EQ(both.port.messages[0].text.count("\r\n\r\n"), 2);
    EXPECT_TRUE(both.details.rules.isEmpty());
}

namespace {

// The photograph with White's first stone, classified under move 1, with
// black stones listed as handicap tokens.
struct Opening {
    Program program;
    ScriptedUserPort port;

    explicit Opening(const QString& rules, int handicapIndex = -1) {
        GameState& state = program.state;
        state.BoardSize = 9;
        state.GridMax = 8;
        state.MoveCount = 1;
        program.details.rules = rules;
        program.details.handicapIndex = handicapIndex;
        program.recognition.HoshiList = HoshiListFor(9);
        state.Positions(6, 2, 1) = kWhite;
        // Whatever an earlier run left must not reach this game.
        state.Moves(1, 1) = "N: A1";
        state.Moves(2, 1) = "B: A2";
    }
    bool settle() {
        GameRecord game = program.record();
        return SettleGameStart(game, port);
    }
    void black(int i, int j) {
        program.state.Positions(i, j, 1) = kBlack;
        program.recognition.HandicapList += PointToken(i, j);
        ++program.recognition.HandicapCount;
        if (!program.recognition.HoshiList.contains(program.recognition.HandicapList.right(4)))
            program.recognition.HandicapOnHoshi = false;
    }
    // The position of move m as "X" and "O" at their points, row by row.
    QString stonesOf(int m) const {
        QString stones;
        for (int j = 0; j <= 8; ++j) {
            for (int i = 0; i <= 8; ++i) {
                const int v = program.state.Positions(i, j, m);
                if (v != kEmpty)
                    stones += QString("%1%2%3 ").arg(v == kBlack ? 'X' : 'O').arg(i).arg(j);
            }
        }
        return stones.trimmed();
    }
};

}  // namespace

TEST(GameOpening, AFixedHandicapIsASetupAndFreeStonesAreMoves) {
    Opening fixed("Japanese", 1);  // two stones
    fixed.black(2, 6);
    fixed.black(6, 6);
    ASSERT_TRUE(fixed.settle());
    EXPECT_EQ(fixed.program.state.MoveCount, 1);
    EXPECT_EQ(fixed.program.state.FirstEditableMove, 1);
    EXPECT_EQ(fixed.stonesOf(0), "X26 X66");
    EXPECT_EQ(fixed.stonesOf(1), "O62 X26 X66");
    EXPECT_EQ(fixed.port.detailShows, 1);

    Opening free("Chinese", 1);
    free.black(2, 6);
    free.black(6, 6);
    ASSERT_TRUE(free.settle());
    EXPECT_EQ(free.program.state.MoveCount, 3);
    EXPECT_EQ(free.program.state.FirstEditableMove, 3);
    EXPECT_EQ(free.stonesOf(1), "");
    EXPECT_EQ(free.stonesOf(2), "X26 X66");
    EXPECT_EQ(free.stonesOf(3), "O62 X26 X66");
    // Black's stones become leading moves from the handicap list, not from
    // the texts an earlier run left.
    EXPECT_EQ(free.program.state.Moves(1, 1), "");
    EXPECT_EQ(free.program.state.Moves(2, 1), "");
    EXPECT_EQ(free.program.recognition.HandicapList, "[cg][gg]");
}

TEST(GameOpening, EvenGamesNumberBlacksStoneOneOrLeaveItEmpty) {
    Opening even("Japanese");
    even.black(4, 4);
    ASSERT_TRUE(even.settle());
    EXPECT_EQ(even.program.state.MoveCount, 2);
    EXPECT_EQ(even.program.state.Moves(1, 1), "N: E5");
    EXPECT_EQ(even.program.recognition.HandicapList, "");
    EXPECT_EQ(even.stonesOf(1), "X44");

    Opening passed("Japanese");
    passed.port.answers = {Answer::Yes};  // Black passed
    ASSERT_TRUE(passed.settle());
    EXPECT_EQ(passed.program.state.MoveCount, 2);
    EXPECT_EQ(passed.program.state.FirstEditableMove, 1);
    EXPECT_EQ(passed.program.state.Moves(1, 1), "N: pass");
    EXPECT_EQ(passed.stonesOf(1), "");
    EXPECT_EQ(passed.stonesOf(2), "O62");

    // White first, no pass, and rules the program does not know: the record
    // starts with White's move 2, move 1 empty.
    Opening white("Go di casa");
    white.port.answers = {Answer::No};
    ASSERT_TRUE(white.settle());
    EXPECT_EQ(white.program.state.MoveCount, 2);
    EXPECT_EQ(white.program.state.Moves(1, 1), "");

    Opening refused("Japanese");
    refused.port.answers = {Answer::No};
    EXPECT_FALSE(refused.settle());
}
