#include "recognition/ColourWindow.h"

#include <QColor>
#include <QImage>
#include <cmath>

#include "game/GameState.h"

namespace {

constexpr int kWindowSide = 2 * kWindowReach + 1;
constexpr int kWindowPixels = kWindowSide * kWindowSide;

float square(float value) { return value * value; }

}  // namespace

QColor ColourOfValue(int colour) {
    int red = 0;
    int green = 0;
    int blue = 0;
    SplitColour(colour, red, green, blue);
    return QColor(red, green, blue);
}

QImage AsRgb32(const QImage& picture) {
    const QImage::Format format = picture.format();
    if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32) return picture;
    return picture.convertToFormat(QImage::Format_RGB32);
}

void SplitColour(int colour, int& red, int& green, int& blue) {
    const unsigned low = static_cast<unsigned>(colour) & 0xFFFFFFu;
    red = static_cast<int>(low & 0xFFu);
    green = static_cast<int>((low >> 8) & 0xFFu);
    blue = static_cast<int>(low >> 16);
}

ColourStats SampleWindow(const QImage& picture, int x, int y) {
    const QImage photo = AsRgb32(picture);
    int sumRed = 0;
    int sumGreen = 0;
    int sumBlue = 0;
    for (int row = y - kWindowReach; row <= y + kWindowReach; ++row) {
        const bool rowInside = row >= 0 && row < photo.height();
        const auto* pixels =
            rowInside ? reinterpret_cast<const QRgb*>(photo.constScanLine(row)) : nullptr;
        for (int column = x - kWindowReach; column <= x + kWindowReach; ++column) {
            if (rowInside && column >= 0 && column < photo.width()) {
                const QRgb pixel = pixels[column];
                sumRed += qRed(pixel);
                sumGreen += qGreen(pixel);
                sumBlue += qBlue(pixel);
            } else {
                sumRed += 255;
                sumGreen += 255;
                sumBlue += 255;
            }
        }
    }
    return StatsFromSums(sumRed, sumGreen, sumBlue);
}

ColourStats StatsFromSums(int sumRed, int sumGreen, int sumBlue) {
    ColourStats stats;
    stats.luminance = static_cast<float>(sumRed + sumGreen + sumBlue) / (3.0f * kWindowPixels);
    stats.meanRed = sumRed / kWindowPixels;
    stats.meanGreen = sumGreen / kWindowPixels;
    stats.meanBlue = sumBlue / kWindowPixels;
    const float red = static_cast<float>(stats.meanRed);
    const float green = static_cast<float>(stats.meanGreen);
    const float blue = static_cast<float>(stats.meanBlue);
    const float l = stats.luminance;
    stats.saturation = std::sqrt(square(l - green) + square(l - red) + square(l - blue));
    stats.distanceWhite = std::sqrt(square(255 - red) + square(255 - green) + square(255 - blue));
    stats.distanceBlack = std::sqrt(square(red) + square(green) + square(blue));
    return stats;
}

int ClassifyWindow(const ColourStats& stats) {
    if (stats.saturation >= kEmptySaturation) return kEmpty;
    return stats.distanceWhite > stats.distanceBlack ? kBlack : kWhite;
}
