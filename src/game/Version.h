#pragma once

#include <QString>

// The program's version, "1.00", written into the settings file header and
// named in messages that tell the user which distribution to restore. It is
// the project's version, written out once in the top CMakeLists.txt, which
// also names the package after it.
inline QString versionText() { return QStringLiteral(BANMARK_VERSION_TEXT); }

// The program's name as the main window's caption shows it, alone or after
// what the window is busy with.
inline const QString kProgramCaption = QStringLiteral("Banmark by Orrimax");
inline const QString kCaptionSuffix = QStringLiteral(" - ") + kProgramCaption;
