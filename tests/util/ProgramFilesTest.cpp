#include <gtest/gtest.h>

#include <QDir>

#include "app/WorkingFiles.h"
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

TEST(ProgramFiles, RemoveTempFilesClearsTheWorkingFilesAndWritesTheSettings) {
    TempProgramDir program;
    program.write("temp.jpg", "x");
    program.write("temp.bat", "x");
    program.write("temp/img01.jpg", "x");
    program.write("temp/img02.jpg", "x");
    program.write("photo.jpg", "kept");

    OutputOptions options;
    options.saveKifu = false;
    RemoveTempFiles(program.path(), options);

    EXPECT_FALSE(program.exists("temp.jpg"));
    EXPECT_FALSE(program.exists("temp.bat"));
    EXPECT_FALSE(program.exists("temp"));
    EXPECT_EQ(program.read("photo.jpg"), "kept");
    EXPECT_TRUE(program.read("Banmark.ini").contains("SaveKifu=0\r\n"));

    // Nothing to delete is no error.
    RemoveTempFiles(program.path(), options);
    EXPECT_TRUE(program.exists("Banmark.ini"));
}
