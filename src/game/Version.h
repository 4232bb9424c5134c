#pragma once

#include <QString>

// The program's version, written into the settings file header and named in
// messages that tell the user which distribution to restore.
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;

// "1.00": the major version as a plain integer, the minor with two digits.
inline QString versionText() {
    return QStringLiteral("%1.%2").arg(kVersionMajor).arg(kVersionMinor, 2, 10, QLatin1Char('0'));
}

// The program's name as the main window's caption shows it, alone or after
// what the window is busy with.
inline const QString kProgramCaption = QStringLiteral("Banmark by Orrimax");
inline const QString kCaptionSuffix = QStringLiteral(" - ") + kProgramCaption;
