#include <gtest/gtest.h>

#include "app/WorkingFiles.h"
#include "support/TempProgramDir.h"

TEST(WorkingFiles, RemoveTempFilesClearsTheWorkingFilesAndWritesTheSettings) {
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
}
