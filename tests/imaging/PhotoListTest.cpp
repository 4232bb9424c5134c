#include <gtest/gtest.h>

#include "imaging/PhotoList.h"
#include "support/TempProgramDir.h"

TEST(PhotoList, ListsTheFolderByNameIgnoringCase) {
    TempProgramDir dir;
    for (int n = 10; n >= 1; --n)
        dir.write(QStringLiteral("img%1.jpg").arg(n, 2, 10, QChar('0')), "x");
    dir.write("Notes.txt", "x");
    dir.write("IMG11.JPG", "x");
    dir.write("album.jpg/inside.jpg", "x");  // a folder is not a photograph

    QStringList images;
    for (int n = 1; n <= 10; ++n) images << QStringLiteral("img%1.jpg").arg(n, 2, 10, QChar('0'));
    images << "IMG11.JPG";

    PhotoList list;
    list.folder = dir.path();
    EXPECT_EQ(list.Names(),
              images + QStringList{"Notes.txt"});  // every file until a pattern is set
    list.pattern = kImagePattern;
    EXPECT_EQ(list.Names(), images);

    list.folder = dir.path() + "missing/";
    EXPECT_TRUE(list.Names().isEmpty());
}

TEST(PhotoList, APatternNeedsAWildcardAndNoFolder) {
    EXPECT_TRUE(IsValidPattern("*.png"));
    EXPECT_TRUE(IsValidPattern("*.jpg; *.png"));
    EXPECT_FALSE(IsValidPattern(" ; "));
    EXPECT_FALSE(IsValidPattern("../*.jpg"));
}
