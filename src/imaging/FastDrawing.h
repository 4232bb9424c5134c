#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

// A picture's pixels as 24-bit rows in one block: three bytes per pixel in
// the order blue, green, red, each row padded to a multiple of 4 bytes.
// at(byte, row) follows the layout of a device-independent bitmap: the first
// index is the byte within the row (3 * x + 0 blue, + 1 green, + 2 red), the
// second the row. The rows run 0 ... height, where row height is one extra
// row that is never filled and stays 0. Rows are bottom-up (row 0 is the
// bottom row of the picture) unless they were read with correctOrientation.
struct PixelRows {
    int width = 0;
    int height = 0;
    int stride = 0;  // bytes per row: 3 * width + width mod 4
    std::vector<std::uint8_t> bytes;

    std::uint8_t& at(int byteInRow, int row) { return bytes[index(byteInRow, row)]; }
    std::uint8_t at(int byteInRow, int row) const { return bytes[index(byteInRow, row)]; }
    // The first byte of a row, for block copies.
    std::uint8_t* rowData(int row) { return &bytes[index(0, row)]; }
    const std::uint8_t* rowData(int row) const { return &bytes[index(0, row)]; }

private:
    std::size_t index(int byteInRow, int row) const;
};

// Bytes per 24-bit row of a picture width pixels wide, padded to 4 bytes.
int RowStride(int width);

// Moves a picture's pixels into PixelRows and back in one block each.
namespace FastDrawing {

int GetImageWidth(const QImage& SrcPictureBox);
int GetImageHeight(const QImage& SrcPictureBox);

// Reads every pixel of the picture. With CorrectOrientation, row y of the
// result is picture row y counted from the top; otherwise from the bottom.
PixelRows GetImageData2D(const QImage& SrcPictureBox, bool CorrectOrientation);

// Draws OriginalWidth x OriginalHeight pixels of ImageData over the whole
// picture, whatever its size, by repeating or dropping rows and columns
// (nearest pixel, no blending). With CorrectOrientation, row 0 of ImageData
// is the top row; otherwise the bottom row. The picture keeps its size.
void SetImageData2D(QImage& DstPictureBox, int OriginalWidth, int OriginalHeight,
                    const PixelRows& ImageData, bool CorrectOrientation);

}  // namespace FastDrawing
