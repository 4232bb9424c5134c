#include <gtest/gtest.h>

#include "app/Program.h"
#include "support/ScriptedUserPort.h"
#include "support/TempProgramDir.h"

TEST(Program, LoadingLeavesNoBoardTheTablesFilledAndAWellFormedSettingsFile) {
    TempProgramDir dir;
    dir.write("temp/old.jpg", "x");
    Program program;
    program.state.ProgramDir = dir.path();
    program.AbortRequested = true;
    ScriptedUserPort port;

    program.Load(port);

    EXPECT_EQ(program.state.BoardSize, -1);
    EXPECT_EQ(program.state.GridMax, -1);
    EXPECT_FALSE(program.AbortRequested);
    EXPECT_FLOAT_EQ(program.angles.CosTable[180], 1.0f);  // angle 0
    EXPECT_FALSE(dir.exists("temp"));
    EXPECT_TRUE(dir.read("Banmark.ini").startsWith("[Banmark v1.00 by Orrimax]\r\n"));
    EXPECT_TRUE(port.messages.empty());  // nothing is asked at start-up
}
