#include "app/SettingsFile.h"

#include <QFile>

#include "app/KifuSize.h"
#include "game/UserPort.h"
#include "game/Version.h"
#include "util/Numbers.h"

namespace {

constexpr int kSettingsLines = 9;
// The line after them, added later: a file without it is as good as one
// with it, and the option it keeps is off.
constexpr int kIntervalLine = 9;
// No valid line is longer than this; reading stops there, so a huge or binary
// file costs no more than a short one.
constexpr qint64 kLongestLineRead = 64;

// The first nine lines of the file, and the tenth when there is one. Lines
// end with CR LF, CR or LF. One of the nine that cannot be read (missing
// file, short file) repeats the last line read, or is "" before any; such
// lines fail their checks anyway.
QStringList readSettingsLines(const QString& path) {
    QStringList lines;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QString text = QString::fromLatin1(file.read((kIntervalLine + 1) * (kLongestLineRead + 2)));
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        lines = text.split(u'\n');
        // What follows the last line end is a line only when it is the
        // unterminated end of the file, not the start of a line cut short.
        if (lines.last().isEmpty() || !file.atEnd()) lines.removeLast();
        lines = lines.mid(0, kIntervalLine + 1);
    }
    while (lines.size() < kSettingsLines) lines.append(lines.isEmpty() ? QString() : lines.last());
    return lines;
}

// A "Key=d" line whose one-digit value is one of the allowed digits.
int readFlag(const QString& line, const QString& key, const QString& allowed, int fallback,
             bool& good) {
    if (line.size() == key.size() + 1 && line.startsWith(key) && allowed.contains(line.back())) {
        return line.back().digitValue();
    }
    good = false;
    return fallback;
}

// A "Key=number" line between minLength and maxLength characters long.
QString readNumberText(const QString& line, const QString& key, int minLength, int maxLength,
                       const QString& fallback, bool& good) {
    if (line.size() >= minLength && line.size() <= maxLength && line.startsWith(key)) {
        return line.mid(key.size()).trimmed();
    }
    good = false;
    return fallback;
}

}  // namespace

QString SettingsFilePath(const QString& programDir) {
    return programDir + QStringLiteral("Banmark.ini");
}

QString SettingsHeader() {
    return QStringLiteral("[Banmark v") + versionText() + QStringLiteral(" by Orrimax]");
}

void ReadSettings(const QString& programDir, OutputOptions& options, UserPort& port) {
    const QStringList lines = readSettingsLines(SettingsFilePath(programDir));
    bool good = lines[0] == SettingsHeader() && lines[1] == QStringLiteral("Language=Italiano");

    const QString zeroOrOne = QStringLiteral("01");
    options.saveSgf = readFlag(lines[2], QStringLiteral("SaveSGF="), zeroOrOne, 1, good);
    options.saveKifu = readFlag(lines[3], QStringLiteral("SaveKifu="), zeroOrOne, 1, good);
    if (!lines[4].isEmpty() || lines[5] != QStringLiteral("[Kifu]")) good = false;
    options.widthUnit =
        readFlag(lines[6], QStringLiteral("Unit="), QStringLiteral("012"), kUnitInch, good);

    QString width =
        readNumberText(lines[7], QStringLiteral("Width="), 7, 12, QStringLiteral("8"), good);
    // A width written with the decimal comma of some locales reads back as the same number.
    const qsizetype comma = width.indexOf(u',');
    if (comma >= 0) width[comma] = u'.';
    options.widthText = width;
    options.dpiText =
        readNumberText(lines[8], QStringLiteral("DPI="), 5, 10, QStringLiteral("300"), good);

    options.intervalPhotos =
        lines.size() > kIntervalLine &&
        readFlag(lines[kIntervalLine], QStringLiteral("Interval="), zeroOrOne, 0, good);

    CheckDimensioneKifu(options, port);
    if (!good) {
        port.Beep();
        WriteSettings(programDir, options);
    }
}

void WriteSettings(const QString& programDir, const OutputOptions& options) {
    const QStringList lines = {
        SettingsHeader(),
        QStringLiteral("Language=Italiano"),
        QStringLiteral("SaveSGF=") + QString::number(options.saveSgf ? 1 : 0),
        QStringLiteral("SaveKifu=") + QString::number(options.saveKifu ? 1 : 0),
        QString(),
        QStringLiteral("[Kifu]"),
        QStringLiteral("Unit=") + QString::number(options.widthUnit),
        QStringLiteral("Width=") + formatGeneral(numericValue(options.widthText)),
        QStringLiteral("DPI=") + formatGeneral(numericValue(options.dpiText)),
        QStringLiteral("Interval=") + QString::number(options.intervalPhotos ? 1 : 0),
    };
    QFile file(SettingsFilePath(programDir));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    file.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
}
