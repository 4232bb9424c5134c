#include <gtest/gtest.h>

#include "support/TempProgramDir.h"
#include "util/PathCase.h"

TEST(PathCase, FindsFilesWhateverTheCaseOfEachComponent) {
    TempProgramDir dir;
    dir.write("Partita Uno/IMG_0001.JPG", "x");
    const QString real = dir.path() + "Partita Uno/IMG_0001.JPG";

    EXPECT_EQ(existingFileIgnoringCase(real), real);
    EXPECT_EQ(existingFileIgnoringCase(dir.path() + "partita uno/img_0001.jpg"), real);
    EXPECT_EQ(existingFileIgnoringCase(dir.path() + "PARTITA UNO/Img_0001.Jpg"), real);
}

TEST(PathCase, FoldersAndMissingFilesAreNotFiles) {
    TempProgramDir dir;
    dir.write("Partita/a.jpg", "x");
    EXPECT_TRUE(existingFileIgnoringCase(dir.path() + "partita").isEmpty());
    EXPECT_TRUE(existingFileIgnoringCase(dir.path() + "partita/b.jpg").isEmpty());
    EXPECT_TRUE(existingFileIgnoringCase(dir.path() + "altra/a.jpg").isEmpty());
    EXPECT_TRUE(existingFileIgnoringCase("").isEmpty());
}
