#include <gtest/gtest.h>

#include "imaging/PhotoPaths.h"

TEST(PhotoPaths, FileNameAndFolder) {
    EXPECT_EQ(StripPath("/home/anna/go/img01.jpg"), "img01.jpg");
    EXPECT_EQ(DirectoryOf("/home/anna/go/img01.jpg"), "/home/anna/go/");
    EXPECT_EQ(DirectoryOf("img01.jpg"), "");
    EXPECT_EQ(DirectoryOf("/go/"), "/go/");
}
