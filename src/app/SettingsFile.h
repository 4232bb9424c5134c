#pragma once

#include <QString>

#include "game/OutputOptions.h"

class UserPort;

// The settings file "Banmark.ini" in the program folder: ten lines, CR LF,
// read and written strictly by position. The tenth came later: a file of
// nine lines is read without complaint, the option of the tenth off.
QString SettingsFilePath(const QString& programDir);

// "[Banmark v1.00 by Orrimax]"
QString SettingsHeader();

// Reads the settings file into options, then validates the kifu size. Every
// missing or invalid line falls back to its default; when anything was
// missing or invalid (another version's header included) the program beeps
// once and rewrites the file, keeping the values that were valid.
void ReadSettings(const QString& programDir, OutputOptions& options, UserPort& port);

// Writes the ten lines from options. Errors are ignored: a settings file
// that cannot be written only costs the user the remembered options.
void WriteSettings(const QString& programDir, const OutputOptions& options);
