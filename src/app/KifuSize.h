#pragma once

#include <QChar>

#include "game/OutputOptions.h"

class UserPort;

// Which field a kifu size correction points the user to.
enum class KifuSizeField { None, Width, Dpi };

// Keeps the kifu width and resolution within a sheet of 280 ... 9600 pixels
// and stores the resulting pixel width in options.sheetWidthTag. A field it
// corrects is changed on the spot with a beep; the returned field is the one
// the user interface should put the focus into (None when nothing changed).
KifuSizeField CheckDimensioneKifu(OutputOptions& options, UserPort& port);

// Shows the unchanged sheet width (options.sheetWidthTag) in the selected
// unit: the pixels themselves, or inches or centimetres at the DPI, which
// becomes 300 when it is 0. The fields are not validated here.
void ShowWidthInUnit(OutputOptions& options);

// The DPI field takes digits only; the width field digits and one decimal
// point, a "," typed becoming ".". A null character means the key is refused.
QChar DpiKey(QChar typed);
QChar WidthKey(const QString& text, QChar typed);

// The field texts as the numbers they hold, in plain decimal form ("8,5" -> "8.5").
QString NormaliseDpiText(const QString& text);
QString NormaliseWidthText(const QString& text);
