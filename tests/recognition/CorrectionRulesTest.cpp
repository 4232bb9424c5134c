#include <gtest/gtest.h>

#include "game/GameState.h"
#include "recognition/ManualCorrection.h"
#include "recognition/MoveEntry.h"

TEST(CorrectionRules, MoveTextsAcceptedOnConfirmation) {
    for (const char* valid : {"N: D16", "B: pass"}) EXPECT_TRUE(IsValidMove(valid, 19)) << valid;
    // The last three are pasted texts the filter would never let through.
    for (const char* invalid : {"N: D20", "B: pas", "X: D4", "N: D4x", "N: D 4", "N: D166"})
        EXPECT_FALSE(IsValidMove(invalid, 19)) << invalid;
    EXPECT_FALSE(IsValidMove("N: I9", 9));  // there is no column I
}

TEST(CorrectionRules, KeysOutsideTheFilterTable) {
    // With the caret inside the text every key is discarded, Backspace too.
    EXPECT_FALSE(TypeMoveKey("N: D16", 4, u'5', 19).accepted);
    EXPECT_FALSE(TypeMoveKey("N: D16", 4, kBackspace, 19).accepted);
    // Backspace up to the colour empties the box, after it deletes the last character.
    EXPECT_EQ(TypeMoveKey("N: D", 0, kBackspace, 19).text, "");
    const MoveEntry shorter = TypeMoveKey("N: D16", 6, kBackspace, 19);
    EXPECT_EQ(shorter.text, "N: D1");
    EXPECT_EQ(shorter.caret, 5);
    EXPECT_EQ(TypeMoveKey("B: pass", 7, kBackspace, 19).text, "B: pas");
    // Typing the colour at the start begins the text afresh.
    EXPECT_EQ(TypeMoveKey("N: D16", 0, u'b', 19).text, "B: ");
    // "P" is a column on 19 lines: a digit may follow it as well as "A".
    EXPECT_EQ(TypeMoveKey("N: P", 4, u'4', 19).text, "N: P4");
    EXPECT_EQ(TypeMoveKey("N: P", 4, u'a', 19).text, "N: pass");
    EXPECT_FALSE(TypeMoveKey("N: P", 4, u'4', 13).accepted);
}

TEST(CorrectionRules, BrowsingStaysBetweenTheFirstEditableAndTheLastMove) {
    GameState state;
    state.FirstEditableMove = 3;
    state.MoveCount = 25;
    EXPECT_FALSE(CanBrowse(state, 12, BrowseStep::BackTen));  // 2 is below 3
    EXPECT_TRUE(CanBrowse(state, 13, BrowseStep::BackTen));
    EXPECT_TRUE(CanBrowse(state, 15, BrowseStep::ForwardTen));
    EXPECT_FALSE(CanBrowse(state, 16, BrowseStep::ForwardTen));
    EXPECT_EQ(BrowseFrom(state, 16, BrowseStep::ForwardTen), 16);
    EXPECT_FALSE(CanBrowse(state, 3, BrowseStep::First));  // no move to go to
    EXPECT_EQ(BrowseFrom(state, 9, BrowseStep::First), 3);
    EXPECT_EQ(BrowseFrom(state, 9, BrowseStep::Last), 25);
}
