#include <gtest/gtest.h>

#include "app/KifuSize.h"
#include "support/ScriptedUserPort.h"

TEST(KifuSize, WidthAndDpiAreCorrectedToASheetOf280To9600Pixels) {
    struct Case {
        int unit;
        const char *width, *dpi;
        KifuSizeField focus;
        const char *widthAfter, *dpiAfter, *sheet;
    };
    const Case cases[] = {
        {kUnitPixel, "12000", "300", KifuSizeField::Width, "9600", "300", "9600"},
        {kUnitInch, "8", "300", KifuSizeField::None, "8", "300", "2400"},
        // 279.5 / 0.5 = 559: the sheet ends one pixel below 280
        {kUnitInch, "0.5", "300", KifuSizeField::Dpi, "0.5", "559", "279"},
        {kUnitCm, "1", "300", KifuSizeField::Dpi, "1", "710", "279"},
        // no DPI, or no width, leaves the fields as they are and no sheet width
        {kUnitInch, "8", "0", KifuSizeField::None, "8", "0", "0"},
        {kUnitCm, "", "300", KifuSizeField::None, "", "300", "0"},
    };
    for (const Case& c : cases) {
        ScriptedUserPort port;
        OutputOptions options;
        options.widthUnit = c.unit;
        options.widthText = c.width;
        options.dpiText = c.dpi;
        EXPECT_EQ(CheckDimensioneKifu(options, port), c.focus) << c.width << " at " << c.dpi;
        EXPECT_EQ(options.widthText, c.widthAfter) << c.width;
        EXPECT_EQ(options.dpiText, c.dpiAfter) << c.width;
        EXPECT_EQ(options.sheetWidthTag, c.sheet) << c.width;
        EXPECT_EQ(port.beeps, c.focus == KifuSizeField::None ? 0 : 1) << c.width;
    }
}
