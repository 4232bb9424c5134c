#include "imaging/FastDrawing.h"

#include <cassert>
#include <cstring>

std::size_t PixelRows::index(int byteInRow, int row) const {
    assert(byteInRow >= 0 && byteInRow < stride && row >= 0 && row <= height);
    return static_cast<std::size_t>(row) * stride + byteInRow;
}

int RowStride(int width) { return 3 * width + width % 4; }

namespace FastDrawing {

int GetImageWidth(const QImage& SrcPictureBox) { return SrcPictureBox.width(); }

int GetImageHeight(const QImage& SrcPictureBox) { return SrcPictureBox.height(); }

PixelRows GetImageData2D(const QImage& SrcPictureBox, bool CorrectOrientation) {
    // Qt's BGR888 rows are exactly a bitmap's rows: blue, green, red, padded to 4 bytes.
    const QImage bgr = SrcPictureBox.convertToFormat(QImage::Format_BGR888);
    PixelRows rows;
    rows.width = bgr.width();
    rows.height = bgr.height();
    rows.stride = RowStride(rows.width);
    rows.bytes.assign(static_cast<std::size_t>(rows.stride) * (rows.height + 1), 0);
    for (int y = 0; y < rows.height; ++y) {
        const int row = CorrectOrientation ? y : rows.height - 1 - y;
        std::memcpy(rows.rowData(row), bgr.constScanLine(y),
                    3 * static_cast<std::size_t>(rows.width));
    }
    return rows;
}

void SetImageData2D(QImage& DstPictureBox, int OriginalWidth, int OriginalHeight,
                    const PixelRows& ImageData, bool CorrectOrientation) {
    const int width = DstPictureBox.width();
    const int height = DstPictureBox.height();
    if (width == 0 || height == 0 || OriginalWidth <= 0 || OriginalHeight <= 0) return;

    QImage drawn(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y) {
        const int sourceY = static_cast<int>(static_cast<long long>(y) * OriginalHeight / height);
        const int row = CorrectOrientation ? sourceY : OriginalHeight - 1 - sourceY;
        const std::uint8_t* source = ImageData.rowData(row);
        std::uint8_t* line = drawn.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const int sourceX = static_cast<int>(static_cast<long long>(x) * OriginalWidth / width);
            std::memcpy(line + 3 * x, source + 3 * sourceX, 3);
        }
    }
    DstPictureBox = drawn.convertToFormat(DstPictureBox.format());
}

}  // namespace FastDrawing
