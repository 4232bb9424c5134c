#pragma once

#include <QString>

// The path of an existing file whose name matches path without regard to
// letter case, component by component ("/photos/IMG_01.JPG" finds
// "/Photos/img_01.jpg"); an empty text when there is none. A component that
// exists exactly as written is taken as it is, so the common case costs no
// directory listing.
QString existingFileIgnoringCase(const QString& path);
