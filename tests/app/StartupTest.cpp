#include <gtest/gtest.h>

#include <QDir>

#include "app/Startup.h"
#include "support/TempProgramDir.h"

TEST(Startup, ProgramDirIsTheExecutablesFolderWhenFilesCanBeCreatedThere) {
    TempProgramDir exe;
    TempProgramDir data;
    const QString folder = exe.path().chopped(1);  // as Qt reports it: no trailing separator
    EXPECT_EQ(ChooseProgramDir(folder, data.path() + "Banmark"), exe.path());
    EXPECT_EQ(ChooseProgramDir(exe.path(), data.path() + "Banmark"), exe.path());
    EXPECT_EQ(QDir(exe.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList());  // the writability probe leaves nothing behind
}
