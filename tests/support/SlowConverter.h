#pragma once

#include <QStringList>

class TempProgramDir;

// A stand-in converter, installed as the program folder's "vconvert": it
// copies a photograph (the first argument) to its copy (the last), except
// that photographs not named in quickNames take a minute. Every run writes
// its process number into the folder's "converter runs".
void InstallSlowConverter(const TempProgramDir& dir, const QStringList& quickNames);

// Waits up to ten seconds until at least count runs have started.
bool WaitForConverterRuns(const TempProgramDir& dir, int count);

// Whether any run is still a live process.
bool AnyConverterRunning(const TempProgramDir& dir);
