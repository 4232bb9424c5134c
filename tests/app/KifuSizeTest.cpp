#include <gtest/gtest.h>

#include "app/KifuSize.h"
#include "support/ScriptedUserPort.h"

namespace {

OutputOptions sized(int unit, const char* width, const char* dpi) {
    OutputOptions options;
    options.widthUnit = unit;
    options.widthText = width;
    options.dpiText = dpi;
    return options;
}

}  // namespace

TEST(KifuSize, PixelWidthIsHeldBetween280And9600) {
    ScriptedUserPort port;
    OutputOptions small = sized(kUnitPixel, "100", "300");
    EXPECT_EQ(CheckDimensioneKifu(small, port), KifuSizeField::Width);
    EXPECT_EQ(small.widthText, "280");
    EXPECT_EQ(small.sheetWidthTag, "280");
    EXPECT_EQ(port.beeps, 1);

    OutputOptions large = sized(kUnitPixel, "12000", "300");
    CheckDimensioneKifu(large, port);
    EXPECT_EQ(large.widthText, "9600");
    EXPECT_EQ(large.sheetWidthTag, "9600");
}

TEST(KifuSize, InchAndCmCorrectTheDpi) {
    ScriptedUserPort port;
    OutputOptions usual = sized(kUnitInch, "8", "300");
    EXPECT_EQ(CheckDimensioneKifu(usual, port), KifuSizeField::None);
    EXPECT_EQ(usual.sheetWidthTag, "2400");
    EXPECT_EQ(port.beeps, 0);

    OutputOptions narrow = sized(kUnitInch, "0.5", "300");
    EXPECT_EQ(CheckDimensioneKifu(narrow, port), KifuSizeField::Dpi);
    EXPECT_EQ(narrow.dpiText, "559");
    EXPECT_EQ(narrow.sheetWidthTag, "279");  // one pixel below 280, by the 279.5 bound

    OutputOptions wide = sized(kUnitInch, "40", "300");
    CheckDimensioneKifu(wide, port);
    EXPECT_EQ(wide.dpiText, "240");
    EXPECT_EQ(wide.sheetWidthTag, "9600");

    OutputOptions cm = sized(kUnitCm, "1", "300");
    CheckDimensioneKifu(cm, port);
    EXPECT_EQ(cm.dpiText, "710");  // 709.93 per cm rounded
    EXPECT_EQ(cm.sheetWidthTag, "279");
}

TEST(KifuSize, ZeroDpiOrWidthIsLeftAloneWithNoSheetWidth) {
    ScriptedUserPort port;
    OutputOptions noDpi = sized(kUnitInch, "8", "0");
    EXPECT_EQ(CheckDimensioneKifu(noDpi, port), KifuSizeField::None);
    EXPECT_EQ(noDpi.sheetWidthTag, "0");
    OutputOptions noWidth = sized(kUnitCm, "", "300");
    EXPECT_EQ(CheckDimensioneKifu(noWidth, port), KifuSizeField::None);
    EXPECT_EQ(noWidth.dpiText, "300");
    EXPECT_EQ(noWidth.sheetWidthTag, "0");
    EXPECT_EQ(port.beeps, 0);
}
