#include "imaging/GreyPng.h"

#include <png.h>

#include <QFile>
#include <QImage>
#include <csetjmp>
#include <opencv2/core.hpp>
#include <vector>

namespace {

// zlib's level 3: as fast as level 1 on a kifu sheet and a tenth smaller.
constexpr int kCompressionLevel = 3;
// sRGB's gamma, 1 / 2.2, in libpng's hundred-thousandths.
constexpr png_fixed_point kGamma = 45455;

void writeToFile(png_structp png, png_bytep data, png_size_t length) {
    auto* file = static_cast<QFile*>(png_get_io_ptr(png));
    if (file->write(reinterpret_cast<const char*>(data), static_cast<qint64>(length)) !=
        static_cast<qint64>(length))
        png_error(png, "write failed");
}

void flushFile(png_structp png) { static_cast<QFile*>(png_get_io_ptr(png))->flush(); }

// The grey of one row of the picture, between the white borders of `row`.
void fillRow(const QImage& picture, int y, int border, std::vector<png_byte>& row) {
    // Every channel of a grey pixel holds its grey; the first will do.
    const int width = picture.width();
    const cv::Mat pixels(1, width, CV_8UC4, const_cast<uchar*>(picture.constScanLine(y)));
    cv::Mat grey(1, width, CV_8UC1, row.data() + border);
    cv::extractChannel(pixels, grey, 0);
}

// libpng reports its errors by a long jump back here; nothing in this
// function needs a destructor run, so the jump skips none.
bool writeRows(png_structp png, png_infop info, const QImage& picture, int border,
               std::vector<png_byte>& row) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width() + 2 * border),
                 static_cast<png_uint_32>(picture.height()), 8, PNG_COLOR_TYPE_GRAY,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // The gamma and the print resolution the converter's PNG carries, so
    // viewers show and print it alike.
    png_set_gAMA_fixed(png, info, kGamma);
    png_set_pHYs(png, info, static_cast<png_uint_32>(picture.dotsPerMeterX()),
                 static_cast<png_uint_32>(picture.dotsPerMeterY()), PNG_RESOLUTION_METER);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, kCompressionLevel);
    png_write_info(png, info);
    for (int y = 0; y < picture.height(); ++y) {
        fillRow(picture, y, border, row);
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    return true;
}

}  // namespace

bool WriteGreyPng(const QImage& picture, int border, const QString& path) {
    if (picture.depth() != 32) return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<png_byte> row(static_cast<size_t>(picture.width() + 2 * border), 255);
    bool written = info != nullptr;
    if (written) {
        png_set_write_fn(png, &file, writeToFile, flushFile);
        written = writeRows(png, info, picture, border, row);
    }
    png_destroy_write_struct(&png, &info);
    file.close();
    written = written && file.error() == QFileDevice::NoError;
    if (!written) file.remove();
    return written;
}
