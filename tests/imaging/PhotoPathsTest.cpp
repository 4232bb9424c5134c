#include <gtest/gtest.h>

#include "imaging/PhotoPaths.h"

TEST(PhotoPaths, FileNameAndFolder) {
    EXPECT_EQ(StripPath("/home/anna/go/img01.jpg"), "img01.jpg");
    EXPECT_EQ(DirectoryOf("/home/anna/go/img01.jpg"), "/home/anna/go/");
    EXPECT_EQ(DirectoryOf("img01.jpg"), "");
    EXPECT_EQ(DirectoryOf("/go/"), "/go/");
}

TEST(PhotoPaths, APairIsProcessableOnlyInOneFolder) {
    EXPECT_TRUE(IsPhotoPairProcessable("/go/a.jpg", "/go/b.jpg"));
    EXPECT_TRUE(IsPhotoPairProcessable("/Go/a.jpg", "/gO/b.jpg"));  // case does not matter
    EXPECT_FALSE(IsPhotoPairProcessable("/go/a.jpg", "/go2/b.jpg"));
    EXPECT_FALSE(IsPhotoPairProcessable("a.jpg", "b.jpg"));    // no folder
    EXPECT_FALSE(IsPhotoPairProcessable("/a/b", "/a/bcdef"));  // four characters
}
