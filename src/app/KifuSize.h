#pragma once

#include "app/OutputOptions.h"

class UserPort;

// Which field a kifu size correction points the user to.
enum class KifuSizeField { None, Width, Dpi };

// Keeps the kifu width and resolution within a sheet of 280 ... 9600 pixels
// and stores the resulting pixel width in options.sheetWidthTag. A field it
// corrects is changed on the spot with a beep; the returned field is the one
// the user interface should put the focus into (None when nothing changed).
KifuSizeField CheckDimensioneKifu(OutputOptions& options, UserPort& port);
