#pragma once

#include <QString>

// The measures of a kifu sheet of a given width in pixels. Everything on the
// sheet is placed in multiples of the cell size s, one board line spacing;
// the sheet is 21.5 cells wide.
struct KifuLayout {
    int sheetWidth = 0;     // W, the width the user chose
    int cell = 0;           // s, at least 13
    int pictureWidth = 0;   // the drawn width: 21.5 cells, with W's parity
    int margin = 0;         // white border added on each side to reach W
    int lineWidth = 0;      // pen width of lines and stone outlines
    double fontPixels = 0;  // text height of the Arial-bold font, in pixels
};

// The layout for sheet width W on a screen of the given twips per pixel.
KifuLayout KifuLayoutFor(int sheetWidth, int twipsPerPixelX, int twipsPerPixelY);

// The converter options that store the sheet: an 8-bit grey-scale PNG, and
// the white border that brings it to the chosen width when the margin is at
// least 1.
QString KifuConverterOptions(const KifuLayout& layout);
