#pragma once

#include <QString>

// True when a file exists at name, or else at programDir + name; names are
// compared without regard to letter case, as on the file systems the
// program's users are used to.
bool FileExists(const QString& name, const QString& programDir);

// Deletes every file in a folder (not its subfolders); errors are ignored.
void RemoveFilesIn(const QString& folder);

// The user's word on a file that could not be written, naming it.
QString CannotSaveText(const QString& file);
