#pragma once

#include <QString>

// The folder the program keeps its settings and working files in: the
// executable's own folder when files can be created there and the program
// is not an installed one (its menu entry in ../share/applications);
// otherwise the per-user data folder, which is created when missing. Always
// ends with the native separator.
QString ChooseProgramDir(const QString& executableDir, const QString& userDataDir);

// Screen units (twips, 1440 per inch) per pixel at the given logical DPI,
// rounded to the nearest integer: 15 at 96 DPI.
int TwipsPerPixel(double logicalDotsPerInch);

struct GameState;

// Where and on what screen the running program is: the screen units per
// pixel of the primary screen, and the program folder chosen from the
// executable's folder. Needs the application object.
void PlaceProgram(GameState& state);
