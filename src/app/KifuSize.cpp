#include "app/KifuSize.h"

#include "game/UserPort.h"
#include "util/Numbers.h"

namespace {

constexpr double kMinSheetPixels = 280.0;
constexpr double kMaxSheetPixels = 9600.0;

// DPI bounds per unit of width: inch as is, a centimetre is 1/2.54 inch.
// The lower bound is 279.5 per inch rather than 280, so in inch and cm the
// sheet can end one pixel below 280.
struct DpiBounds {
    double lowPerUnit;
    double highPerUnit;
    double unitsPerInch;
};
constexpr DpiBounds kInchBounds{279.5, 9600.0, 1.0};
constexpr DpiBounds kCmBounds{709.93, 24384.0, 2.54};
constexpr int kDefaultDpi = 300;

// Clamps the pixel width itself; returns whether the text changed.
bool clampPixelWidth(QString& widthText) {
    bool changed = false;
    if (numericValue(widthText) < kMinSheetPixels) {
        widthText = formatGeneral(kMinSheetPixels);
        changed = true;
    }
    if (numericValue(widthText) > kMaxSheetPixels) {
        widthText = formatGeneral(kMaxSheetPixels);
        changed = true;
    }
    return changed;
}

// Clamps the DPI so that the width in this unit gives a sheet within bounds;
// returns whether the text changed. A DPI of 0 is left alone (the renderer
// then draws its smallest sheet), and so is a width of 0 or an empty width:
// the bounds divide by the width, and with no width there is no DPI that
// could fix the sheet. Rather than invent a width the user did not type, the
// fields stay as they are and the sheet width is 0, exactly as for DPI 0.
bool clampDpi(const QString& widthText, QString& dpiText, const DpiBounds& bounds) {
    const double width = numericValue(widthText);
    if (numericValue(dpiText) <= 0 || width <= 0) return false;
    bool changed = false;
    const long long low = roundHalfEven(bounds.lowPerUnit / width);
    if (numericValue(dpiText) < low) {
        dpiText = QString::number(low);
        changed = true;
    }
    const long long high = roundHalfEven(bounds.highPerUnit / width);
    if (numericValue(dpiText) > high) {
        dpiText = QString::number(high);
        changed = true;
    }
    return changed;
}

}  // namespace

KifuSizeField CheckDimensioneKifu(OutputOptions& options, UserPort& port) {
    bool changed = false;
    long long sheetWidth = 0;
    if (options.widthUnit == kUnitPixel) {
        changed = clampPixelWidth(options.widthText);
        sheetWidth = floorToInt(numericValue(options.widthText));
    } else if (options.widthUnit == kUnitInch || options.widthUnit == kUnitCm) {
        const DpiBounds& bounds = options.widthUnit == kUnitInch ? kInchBounds : kCmBounds;
        changed = clampDpi(options.widthText, options.dpiText, bounds);
        sheetWidth = floorToInt(numericValue(options.dpiText) * numericValue(options.widthText) /
                                bounds.unitsPerInch);
    }
    options.sheetWidthTag = QString::number(sheetWidth);

    if (!changed) return KifuSizeField::None;
    port.Beep();
    return options.widthUnit == kUnitPixel ? KifuSizeField::Width : KifuSizeField::Dpi;
}

void ShowWidthInUnit(OutputOptions& options) {
    if (options.widthUnit == kUnitPixel) {
        options.widthText = options.sheetWidthTag;
        return;
    }
    if (options.widthUnit != kUnitInch && options.widthUnit != kUnitCm) return;
    if (numericValue(options.dpiText) == 0) options.dpiText = QString::number(kDefaultDpi);
    const double unitsPerInch = options.widthUnit == kUnitInch ? 1.0 : 2.54;
    options.widthText = formatGeneral(numericValue(options.sheetWidthTag) * unitsPerInch /
                                      numericValue(options.dpiText));
}

QChar DpiKey(QChar typed) { return isDigit(typed) ? typed : QChar(); }

QChar WidthKey(const QString& text, QChar typed) {
    if (typed == u',') typed = u'.';
    if (typed == u'.' && text.contains(u'.')) return QChar();
    return isDigit(typed) || typed == u'.' ? typed : QChar();
}

QString NormaliseDpiText(const QString& text) { return formatGeneral(numericValue(text)); }

QString NormaliseWidthText(const QString& text) {
    QString width = text;
    const qsizetype comma = width.indexOf(u',');
    if (comma >= 0) width[comma] = u'.';
    return formatGeneral(numericValue(width));
}
