#include <gtest/gtest.h>

#include "app/GameDetailFields.h"

TEST(GameDetailFields, ResultsTheFieldTestsLeaveOut) {
    EXPECT_EQ(NormaliseResult("b+"), "B+");
    EXPECT_EQ(NormaliseResult(" b+forfeit "), "B+F");
    EXPECT_EQ(NormaliseResult("w+0.5"), "W+0.5");
    EXPECT_EQ(NormaliseResult("w+ 2"), "W+2");
    EXPECT_EQ(NormaliseResult("   "), "   ");  // nothing typed: left alone
    EXPECT_EQ(NormaliseResult("b+-1"), std::nullopt);
    EXPECT_EQ(NormaliseResult("black"), std::nullopt);
}

TEST(GameDetailFields, RulesAliasesAndFreeText) {
    EXPECT_EQ(CompleteRules("USA"), "AGA");
    EXPECT_EQ(CompleteRules(" nuova zelanda "), "NZ");
    EXPECT_EQ(CompleteRules("ing"), "GOE");
    EXPECT_EQ(CompleteRules("cinese"), "Chinese");
    EXPECT_EQ(CompleteRules("JAP"), "Jap");
    EXPECT_EQ(CompleteRules("Ing rules"), std::nullopt);  // free text stays as typed
}

TEST(GameDetailFields, FileNameFilterRefusesOnlyReservedCharacters) {
    EXPECT_EQ(KeepFileNameChars("a\"b\\c/d:e*f?g<h>i|j è.k"), "abcdefghij è.k");
}

// Numbers too large for the usual range, found by fuzzing: the komi keeps
// its value instead of overflowing, a margin beyond single precision is no
// margin, and normalising again changes nothing.
TEST(GameDetailFields, HugeNumbersNormaliseToAFixedPoint) {
    const QString komi = NormaliseKomi("6e22");
    EXPECT_EQ(komi, "6E+22");
    EXPECT_EQ(NormaliseKomi(komi), komi);
    EXPECT_EQ(NormaliseResult("b+6e66"), std::nullopt);
    EXPECT_EQ(NormaliseResult("w+6e66r"), std::nullopt);
}
