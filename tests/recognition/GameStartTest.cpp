#include <gtest/gtest.h>

#include <memory>

#include "app/GameDetails.h"
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
