#include <gtest/gtest.h>

#include "geometry/VoteImage.h"
#include "geometry/VoteTable.h"

TEST(VoteImage, TheMostVotedCellIsWhite) {
    LineVotes votes;
    votes.HoughDiagonal = 10;
    votes.HoughVotes = VoteTable(13);
    EXPECT_EQ(qGray(VotePicture(votes).pixel(2, 5)), 0);  // no votes: all black

    votes.HoughVotes(2, 5) = 4;
    votes.HoughVotes(3, 7) = 2;
    votes.HoughVotes(12, 0) = 1;  // beyond the picture's 11 columns
    const QImage picture = VotePicture(votes);
    EXPECT_EQ(picture.size(), QSize(11, 720));
    EXPECT_EQ(picture.pixel(2, 5), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(3, 7), qRgb(128, 128, 128));  // 127.5, to even
    EXPECT_EQ(picture.pixel(5, 2), qRgb(0, 0, 0));
}
