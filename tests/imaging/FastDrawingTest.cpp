#include <gtest/gtest.h>

#include "imaging/FastDrawing.h"

namespace {

// A picture whose every pixel has its own colour, made from its position.
QImage patterned(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(10 * x + 1, 20 * y + 2, x ^ y));
    }
    return image;
}

QRgb pixelAt(const PixelRows& rows, int x, int row) {
    return qRgb(rows.at(3 * x + 2, row), rows.at(3 * x + 1, row), rows.at(3 * x, row));
}

}  // namespace

TEST(FastDrawing, RowsArePaddedToFourBytes) {
    EXPECT_EQ(RowStride(5), 16);  // 15 bytes of pixels, 1 of padding
    EXPECT_EQ(RowStride(8), 24);  // no padding
    EXPECT_EQ(RowStride(6), 20);
    const PixelRows rows = FastDrawing::GetImageData2D(patterned(5, 3), false);
    EXPECT_EQ(rows.stride, 16);
    EXPECT_EQ(rows.bytes.size(), 16u * 4);  // three rows and the extra one
}

TEST(FastDrawing, RowsAreBottomUpInBlueGreenRedOrderWithAZeroRowAtTheEnd) {
    const QImage picture = patterned(5, 3);
    const PixelRows rows = FastDrawing::GetImageData2D(picture, false);
    ASSERT_EQ(rows.width, 5);
    ASSERT_EQ(rows.height, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(pixelAt(rows, x, 2 - y), picture.pixel(x, y) | 0xff000000) << x << "," << y;
        }
    }
    EXPECT_EQ(rows.at(0, 0), picture.pixel(0, 2) & 0xff);  // blue first
    for (int byte = 0; byte < rows.stride; ++byte) EXPECT_EQ(rows.at(byte, 3), 0);
}

TEST(FastDrawing, CorrectOrientationPutsTheTopRowFirstAndRoundTrips) {
    const QImage picture = patterned(7, 5);
    const PixelRows rows = FastDrawing::GetImageData2D(picture, true);
    EXPECT_EQ(pixelAt(rows, 3, 0), picture.pixel(3, 0));

    QImage copy(7, 5, QImage::Format_RGB32);
    copy.fill(Qt::black);
    FastDrawing::SetImageData2D(copy, rows.width, rows.height, rows, true);
    EXPECT_EQ(copy, picture);

    // Bottom-up rows written back bottom-up reproduce the picture as well.
    const PixelRows bottomUp = FastDrawing::GetImageData2D(picture, false);
    copy.fill(Qt::black);
    FastDrawing::SetImageData2D(copy, bottomUp.width, bottomUp.height, bottomUp, false);
    EXPECT_EQ(copy, picture);
}

TEST(FastDrawing, WritingStretchesByNearestPixelWithoutBlending) {
    const QImage source = patterned(2, 2);
    const PixelRows rows = FastDrawing::GetImageData2D(source, false);

    QImage larger(4, 6, QImage::Format_RGB32);
    FastDrawing::SetImageData2D(larger, 2, 2, rows, false);
    ASSERT_EQ(larger.size(), QSize(4, 6));  // the picture keeps its own size
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(larger.pixel(x, y), source.pixel(x / 2, y / 3)) << x << "," << y;
        }
    }

    const QImage big = patterned(6, 4);
    QImage smaller(3, 2, QImage::Format_RGB32);
    FastDrawing::SetImageData2D(smaller, 6, 4, FastDrawing::GetImageData2D(big, false), false);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) EXPECT_EQ(smaller.pixel(x, y), big.pixel(2 * x, 2 * y));
    }
}
