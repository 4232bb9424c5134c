#pragma once

#include <QString>

#include "game/OutputOptions.h"

// Deletes the working files of a processing run, then writes the settings
// file. In this order, every error ignored: programDir + "temp.jpg", + "temp.bat",
// every file in programDir + "temp" and then that folder.
void RemoveTempFiles(const QString& programDir, const OutputOptions& options);
