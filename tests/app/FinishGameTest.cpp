#include <gtest/gtest.h>

#include "app/FinishGame.h"
#include "app/Program.h"
#include "support/ScriptedUserPort.h"
#include "support/TempProgramDir.h"

// The outputs themselves are written by every run of the end-to-end tests.
TEST(FinishGame, WithoutOutputsOnlyTheSummaryIsShownInTheSingular) {
    TempProgramDir dir;
    Program program;
    program.state.ProgramDir = dir.path();
    program.state.BoardSize = 19;
    program.state.GridMax = 18;
    program.state.MoveCount = 1;
    program.state.Moves(1, 1) = "N: D4";
    program.options.saveSgf = false;
    program.options.saveKifu = false;
    ScriptedUserPort port;
    const FinishedGame finished = FinishGame(program, dir.path() + "IMG_0001.jpg", 1, port);
    EXPECT_EQ(finished.summary,
              "Banmark ha terminato l'elaborazione della partita.\r\n"
              "È stata esaminata 1 fotografia per un totale di 1 mossa.");
    EXPECT_EQ(port.sideChoices, 0);  // no record, so no side to ask for
    EXPECT_FALSE(port.processingViewEnded);
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].title, "Banmark - Elaborazione");
    EXPECT_EQ(port.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(port.programEnded);
    EXPECT_TRUE(dir.exists("Banmark.ini"));  // the settings are written on the way out
}
