#pragma once

#include <QString>

// The program's version, written into the settings file header and named in
// messages that tell the user which distribution to restore. It is set once,
// as the project's version in the top CMakeLists.txt, which also names the
// package after it.
inline constexpr int kVersionMajor = BANMARK_VERSION_MAJOR;
inline constexpr int kVersionMinor = BANMARK_VERSION_MINOR;

// "1.00": the major version as a plain integer, the minor with two digits.
inline QString versionText() {
    return QStringLiteral("%1.%2").arg(kVersionMajor).arg(kVersionMinor, 2, 10, QLatin1Char('0'));
}

// The program's name as the main window's caption shows it, alone or after
// what the window is busy with.
inline const QString kProgramCaption = QStringLiteral("Banmark by Orrimax");
inline const QString kCaptionSuffix = QStringLiteral(" - ") + kProgramCaption;
