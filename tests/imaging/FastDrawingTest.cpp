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

// Rows bottom up (or top first), in blue, green, red order, padded to four
// bytes, with a row of zeros at the end; written back they give the picture.
TEST(FastDrawing, RowsAreBlueGreenRedPaddedToFourBytesAndWriteBackThePicture) {
    EXPECT_EQ(RowStride(8), 24);  // no padding
    const QImage picture = patterned(5, 3);
    for (const bool topFirst : {false, true}) {
        const PixelRows rows = FastDrawing::GetImageData2D(picture, topFirst);
        ASSERT_EQ(rows.stride, 16);             // 15 bytes of pixels, 1 of padding
        EXPECT_EQ(rows.bytes.size(), 16u * 4);  // three rows and the extra one
        EXPECT_EQ(pixelAt(rows, 3, topFirst ? 0 : 2), picture.pixel(3, 0));
        EXPECT_EQ(rows.at(0, 0), picture.pixel(0, topFirst ? 0 : 2) & 0xff);  // blue first
        for (int byte = 0; byte < rows.stride; ++byte) EXPECT_EQ(rows.at(byte, 3), 0);
        QImage copy(5, 3, QImage::Format_RGB32);
        copy.fill(Qt::black);
        FastDrawing::SetImageData2D(copy, rows.width, rows.height, rows, topFirst);
        EXPECT_EQ(copy, picture) << topFirst;
    }
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
