#pragma once

#include <QColor>
#include <QString>

class QPainter;

// Drawing on the kifu sheet in the manner of a printed game sheet: text is
// placed by its top-left corner and measured with the painter's font.

// A measure rounded to whole pixels (ties to even), then halved towards zero:
// how text is centred on a point.
int RoundedHalf(double value);

// A run of n underscores, the blank of a form field.
QString Underscores(int n);

// The text's width with the painter's current font.
double TextWidth(const QPainter& painter, const QString& text);
// The height of a line of text with the painter's current font.
double TextHeight(const QPainter& painter);

// Prints text with its top-left corner at (x, y) in the given colour; the
// pen keeps its width.
void PrintText(QPainter& painter, double x, double y, const QString& text, const QColor& colour);

// Sets the painter's font, Arial bold, to a height in pixels.
void SetKifuFont(QPainter& painter, double pixels);

// A stone of the given colour with the opposite colour for its outline and
// its label, centred on (x, y). Label 0 writes nothing, a positive label is
// a move number, a negative one -(x + n * (n - 1 - y)) the coordinate of a
// handicap stone on a board of n lines ("Q16").
void DrawKifuStone(QPainter& painter, int x, int y, int radius, bool white, int label, int n);

// A right-pointing arrow centred on (x, y).
void DrawKifuArrow(QPainter& painter, int x, int y, double length);

// The text as it fits in a field of n underscores: unchanged when it fits
// with a blank after it, otherwise cut and ended by "...".
QString FitFieldText(const QPainter& painter, const QString& text, int n);

// How many underscores make text wider than maxWidth.
int FillUnderscoreCount(const QPainter& painter, const QString& text, int maxWidth);
