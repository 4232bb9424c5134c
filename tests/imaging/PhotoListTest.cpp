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

TEST(PhotoList, ASeriesKeepsNamesOfItsKind) {
    const QString temp = "/prog/temp/";
    EXPECT_TRUE(IsSamePhotoSeries("", temp, "anything.txt"));  // the first photograph
    EXPECT_TRUE(IsSamePhotoSeries(temp + "img_0001.jpg", temp, "img_0002.jpg"));
    EXPECT_TRUE(IsSamePhotoSeries(temp + "img08.jpg", temp, "img09.jpg"));  // "img0"
    // Two-digit numbers share only "img" across the ten: img10 falls out of
    // a series of img01 ... img10, as the rule reads.
    EXPECT_FALSE(IsSamePhotoSeries(temp + "img09.jpg", temp, "img10.jpg"));
    // A note between the photographs: another ending. A name too long is
    // left out of a whole run in BadInputEndToEndTest.
    EXPECT_FALSE(IsSamePhotoSeries(temp + "img04.jpg", temp, "notes.txt"));
    // Same length and ending but nothing in common.
    EXPECT_FALSE(IsSamePhotoSeries(temp + "img04.jpg", temp, "dsc77.jpg"));
    // The four characters ending the previous name are not tried: ".jpg"
    // alone does not make a photograph related.
    EXPECT_FALSE(IsSamePhotoSeries(temp + "ab.jpg", temp, "cd.jpg"));
    EXPECT_TRUE(IsSamePhotoSeries(temp + "ab1.jpg", temp, "xb1.jpg"));  // "b1.j"
}
