#include <gtest/gtest.h>

#include "batch/PositionLog.h"
#include "game/GameState.h"

TEST(PositionLog, EachPhotoKeepsItsLastReadingInRowsFromTheTop) {
    GameState state;
    state.BoardSize = 9;
    state.GridMax = 8;
    state.MoveCount = 3;
    state.CurrentPhoto = "/tmp/temp/IMG_0002.jpg";
    PositionLog log;
    log.Record(state);
    state.CurrentPhoto = "/tmp/temp/IMG_0003.jpg";
    state.Positions(2, 0, 3) = kBlack;  // third column of the top row
    state.Positions(0, 8, 3) = kWhite;  // bottom left
    log.Record(state);
    // Read again after an automatic retry: the same place in the file.
    state.CurrentPhoto = "/tmp/temp/IMG_0002.jpg";
    state.Positions(8, 8, 3) = kBlack;
    state.Positions(2, 0, 3) = kEmpty;
    log.Record(state);

    const QString empty = ". . . . . . . . .\n";
    EXPECT_EQ(QString::fromUtf8(log.Text()),
              "IMG_0002.jpg\n" + empty.repeated(8) + "W . . . . . . . B\n" +  //
                  "IMG_0003.jpg\n. . B . . . . . .\n" + empty.repeated(7) + "W . . . . . . . .\n");
}
