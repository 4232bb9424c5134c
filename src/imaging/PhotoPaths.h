#pragma once

#include <QString>

// The file name of a path: what follows its last separator, or the whole
// path when it has none.
QString StripPath(const QString& path);

// The folder of a path up to and including its last separator ("" when it has none).
QString DirectoryOf(const QString& path);

// Whether the first and the last photograph may be processed: both paths at
// least 5 characters long and in the same, non-empty folder, folders compared
// without regard to letter case. A video as the first photograph is a whole
// game: it needs no last one.
bool IsPhotoPairProcessable(const QString& firstPhoto, const QString& lastPhoto);
