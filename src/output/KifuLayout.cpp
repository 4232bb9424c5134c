#include "output/KifuLayout.h"

#include <algorithm>
#include <cmath>

#include "util/Numbers.h"

namespace {

constexpr double kCellsAcross = 21.5;
constexpr int kSmallestCell = 13;
constexpr int kTwipsPerPoint = 20;

}  // namespace

KifuLayout KifuLayoutFor(int sheetWidth, int twipsPerPixelX, int twipsPerPixelY) {
    KifuLayout layout;
    layout.sheetWidth = sheetWidth;
    layout.cell = std::max(static_cast<int>(floorToInt(sheetWidth / kCellsAcross)), kSmallestCell);
    const int s = layout.cell;
    layout.pictureWidth = static_cast<int>(floorToInt(kCellsAcross * s));
    if (layout.pictureWidth % 2 != sheetWidth % 2) ++layout.pictureWidth;
    layout.margin = (sheetWidth - layout.pictureWidth) / 2;
    layout.lineWidth = static_cast<int>(roundHalfEven(s / 22.5));
    // The font size in points grows with the cell; a point is 20 twips.
    const double points = std::sqrt(double(twipsPerPixelX) * twipsPerPixelY) * s / 51.0;
    layout.fontPixels = points * kTwipsPerPoint / twipsPerPixelY;
    return layout;
}

QString KifuConverterOptions(const KifuLayout& layout) {
    // Naming the PNG's colour type and depth spares the converter a scan of
    // every pixel to choose them; the pixels are the same.
    const QString grey = QStringLiteral(
        "-type Grayscale -quality 94 -define png:color-type=0 -define png:bit-depth=8");
    if (layout.margin < 1) return grey;
    return QStringLiteral("-bordercolor #FFFFFF -border %1x ").arg(layout.margin) + grey;
}
