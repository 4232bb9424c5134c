#include <gtest/gtest.h>

#include <QDir>

#include "support/TempProgramDir.h"
#include "util/ProgramFiles.h"

TEST(ProgramFiles, FileExistsFindsABareNameInTheProgramFolderFromElsewhere) {
    TempProgramDir program;
    TempProgramDir elsewhere;
    program.write("vconvert", "x");
    program.write("Foto/IMG_01.JPG", "x");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());

    EXPECT_TRUE(FileExists("vconvert", program.path()));
    EXPECT_TRUE(FileExists("VConvert", program.path()));
    EXPECT_FALSE(FileExists("vcomp100.dll", program.path()));
    elsewhere.write("vcomp100.dll", "x");
    EXPECT_TRUE(FileExists("vcomp100.dll", program.path()));  // the current folder first
    EXPECT_TRUE(FileExists(program.path() + "VCONVERT", "/nonexistent/"));
    EXPECT_TRUE(FileExists("foto/img_01.jpg", program.path()));
    EXPECT_FALSE(FileExists("foto", program.path()));  // a folder is no file

    QDir::setCurrent(previous);
}
