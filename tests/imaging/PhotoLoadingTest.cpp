#include <gtest/gtest.h>

#include <QImage>

#include "imaging/PhotoLoading.h"
#include "support/TempProgramDir.h"

// Read unshrunk when there is no converter, a 48-megapixel photograph must
// load; a file that is no picture is left out, not reported.
TEST(PhotoLoading, AFullSizePhonePhotographLoadsAndANonPictureIsLeftOut) {
    TempProgramDir dir;
    QImage photo(8000, 6000, QImage::Format_RGB32);
    photo.fill(qRgb(200, 160, 90));
    ASSERT_TRUE(photo.save(dir.path() + "IMG_0001.jpg"));
    const LoadedPhoto loaded = LoadPhoto(dir.path() + "IMG_0001.jpg");
    EXPECT_EQ(loaded.outcome, PhotoLoadOutcome::Loaded);
    EXPECT_EQ(loaded.image.size(), QSize(8000, 6000));

    dir.write("IMG_0002.jpg", "nessuna foto\n");
    EXPECT_EQ(LoadPhoto(dir.path() + "IMG_0002.jpg").outcome, PhotoLoadOutcome::Unusable);
}
