#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>

#include "game/GameDetails.h"
#include "imaging/Converter.h"
#include "imaging/ConverterRuns.h"
#include "output/KifuDrawing.h"
#include "output/KifuForm.h"
#include "output/KifuLayout.h"
#include "output/KifuSheet.h"
#include "output/SgfFile.h"
#include "support/ScriptedUserPort.h"
#include "support/TempProgramDir.h"

namespace {

using Moves = std::vector<SgfMove>;

QImage render(int boardSize, const Moves& moves, int width = 280) {
    return RenderKifuSheet({boardSize, {}, moves, {}, {}}, GameDetails(),
                           KifuLayoutFor(width, 15, 15));
}

SgfMove stone(int k, int x, int y) { return {k % 2 == 1, SgfMove::Kind::Stone, {x, y}, {}}; }
SgfMove pass(int k) { return {k % 2 == 1, SgfMove::Kind::Pass, {}, {}}; }

// n moves of alternating colour, each at its own point of the first rows.
Moves distinctMoves(int n) {
    Moves moves;
    for (int k = 0; k < n; ++k) moves.push_back(stone(k, k % 19, k / 19));
    return moves;
}

Moves operator+(Moves moves, const Moves& more) {
    moves.insert(moves.end(), more.begin(), more.end());
    return moves;
}

}  // namespace

// The cell and the picture's width at 280 and 2000 pixels are what the
// sheets below are measured in; an odd width's picture of 1999 pixels and
// border of 1 are what the stored sheet is compared with.
TEST(KifuLayout, TheCellAndTheBorderFollowTheWidth) {
    const QString grey =
        "-type Grayscale -quality 94 -define png:color-type=0 -define png:bit-depth=8";
    EXPECT_EQ(KifuConverterOptions(KifuLayoutFor(280, 15, 15)), grey);

    const KifuLayout even = KifuLayoutFor(2000, 15, 15);
    EXPECT_EQ(even.margin, 0);
    EXPECT_EQ(even.lineWidth, 4);
    EXPECT_NEAR(even.fontPixels, 20.0 * 93 / 51, 1e-9);

    EXPECT_EQ(KifuConverterOptions(KifuLayoutFor(2001, 15, 15)),
              "-bordercolor #FFFFFF -border 1x " + grey);
    EXPECT_EQ(KifuLayoutFor(9600, 15, 15).margin, 5);
}

// The stored sheet is an 8-bit grey PNG with its white border, the pixels
// the converter gives with nothing but the grey-scale and border options,
// antialiased numbers included; also under a name with brackets, which
// ImageMagick would read as a pattern from another folder. A conversion that
// fails leaves neither the old sheet nor the BMP.
TEST(KifuSheet, IsStoredAsTheGreyPixelsOfThePlainGreyOptions) {
    const QString converter = FindConverter(QString());
    const KifuLayout layout = KifuLayoutFor(2001, 15, 15);
    const QImage sheet = render(19, distinctMoves(60) + distinctMoves(8), 2001);
    TempProgramDir dir;
    ScriptedUserPort port;
    const QString base = dir.path() + "partita [kifu]";
    ASSERT_TRUE(SaveKifuSheet(sheet, layout, base, converter, port));
    ASSERT_TRUE(SavePictureAsPng(sheet, dir.path() + "plain",
                                 " -bordercolor #FFFFFF -border 1x -type Grayscale -quality 94 ",
                                 converter, port));
    const QImage stored(base + ".png");
    EXPECT_EQ(stored.format(), QImage::Format_Grayscale8);
    EXPECT_EQ(stored.size(), QSize(2001, sheet.height()));
    EXPECT_EQ(qGray(stored.pixel(0, 10)), 255);  // the border
    EXPECT_TRUE(stored == QImage(dir.path() + "plain.png"));
    EXPECT_FALSE(QFile::exists(base + ".bmp"));

    ASSERT_TRUE(SavePictureAsPng(sheet, base, "-no-such-option", converter, port));
    EXPECT_FALSE(QFile::exists(base + ".png"));
    EXPECT_FALSE(QFile::exists(base + ".bmp"));
    EXPECT_TRUE(port.messages.empty());
}

TEST(KifuSheet, RepetitionsAndPassesAddRowsBelowTheBoard) {
    // 13 pixels a cell: 22 cells of board and 4.97 of information, on a
    // picture 280 wide (279, raised to the width's parity).
    EXPECT_EQ(render(19, distinctMoves(30)).size(), QSize(280, 351));  // 286 + 64.61

    // Five moves on used points fill one row; six need two.
    const Moves five = distinctMoves(10) + distinctMoves(5);
    EXPECT_EQ(render(19, five).height(), 371);  // 286 + 19.5 -> 306, + 64.61
    EXPECT_EQ(render(19, five + Moves{stone(1, 5, 0)}).height(),
              387);  // 286 + 35.75 -> 322, + 64.61

    // Fourteen passes fill one row; fifteen need two.
    Moves passes;
    for (int k = 0; k < 14; ++k) passes.push_back(pass(k));
    EXPECT_EQ(render(9, passes).height(), 241);                   // 156 + 19.5 -> 176, + 64.61
    EXPECT_EQ(render(9, passes + Moves{pass(0)}).height(), 257);  // 156 + 35.75 -> 192, + 64.61
}

TEST(KifuSheet, ANineLineBoardIsDrawnInTheMiddle) {
    const QImage sheet = render(9, {}, 2000);  // 93 pixels a cell
    const int middle = 5 * 93;
    // The frame runs from 6 cells to 15.5 cells across, 4 pixels wide.
    EXPECT_EQ(qGray(sheet.pixel(6 * 93, middle)), 0);
    EXPECT_EQ(qGray(sheet.pixel(6 * 93 - 10, middle)), 255);
    EXPECT_EQ(qGray(sheet.pixel(1441, middle)), 0);
    EXPECT_EQ(qGray(sheet.pixel(1441 + 10, middle)), 255);
}

TEST(KifuSheet, FieldTextsAreFittedOnMeasuredText) {
    QImage surface(100, 100, QImage::Format_RGB32);
    QPainter painter(&surface);
    SetKifuFont(painter, 20);
    EXPECT_EQ(FitFieldText(painter, "", 10), "");
    EXPECT_EQ(FitFieldText(painter, "Rossi", 0), "");
    EXPECT_EQ(FitFieldText(painter, "Rossi", 10), "Rossi");

    const QString title = QString("Finale del campionato italiano ").repeated(6);
    const QString fitted = FitFieldText(painter, title, 94);
    EXPECT_TRUE(fitted.endsWith("..."));
    EXPECT_TRUE(title.startsWith(fitted.chopped(3)));
    const double field = TextWidth(painter, QString(94, u'_'));
    EXPECT_LE(TextWidth(painter, fitted), field);

    const int count = FillUnderscoreCount(painter, "Komi: ", 300);
    EXPECT_GT(TextWidth(painter, "Komi: " + QString(count, u'_')), 300);
    EXPECT_LE(TextWidth(painter, "Komi: " + QString(count - 1, u'_')), 300);
}

TEST(KifuSheet, TheFormSpeaksItalian) {
    EXPECT_EQ(FormResultText("W+R"), "B+R");
    EXPECT_EQ(FormResultText("B+3.5"), "N+3.5");
    EXPECT_EQ(FormResultText("0"), "0");
    EXPECT_EQ(FormResultText("Void"), "Void");
    EXPECT_EQ(FormRulesText("Chinese"), "Cinesi");
    EXPECT_EQ(FormRulesText("Japanese"), "Giapponesi");
    EXPECT_EQ(FormRulesText("AGA"), "AGA");
}
