#include "app/Startup.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "game/GameState.h"
#include "util/Numbers.h"

namespace {

// Whether a file can really be created in folder. The permission bits alone
// do not tell: root may write anywhere by them, a read-only mount refuses.
bool canCreateFilesIn(const QString& folder) {
    if (!QDir(folder).exists()) return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("banmark-probe-XXXXXX")));
    return probe.open();
}

// An installed program shares its folder (/usr/bin) with every other
// program, and files it left there would belong to no package, even where
// it may write them (as root). It is told by its menu entry, installed
// beside it under ../share/applications.
bool isInstalledProgramFolder(const QString& folder) {
    return QFileInfo::exists(
        QDir(folder).filePath(QStringLiteral("../share/applications/banmark.desktop")));
}

QString withTrailingSeparator(const QString& folder) {
    const QString native = QDir::toNativeSeparators(folder);
    return native.endsWith(QDir::separator()) ? native : native + QDir::separator();
}

}  // namespace

QString ChooseProgramDir(const QString& executableDir, const QString& userDataDir) {
    if (!isInstalledProgramFolder(executableDir) && canCreateFilesIn(executableDir))
        return withTrailingSeparator(executableDir);
    QDir().mkpath(userDataDir);
    return withTrailingSeparator(userDataDir);
}

int TwipsPerPixel(double logicalDotsPerInch) {
    return static_cast<int>(roundHalfEven(1440.0 / logicalDotsPerInch));
}

void PlaceProgram(GameState& state) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    state.TwipsPerPixelX = TwipsPerPixel(screen->logicalDotsPerInchX());
    state.TwipsPerPixelY = TwipsPerPixel(screen->logicalDotsPerInchY());
    state.ProgramDir =
        ChooseProgramDir(QCoreApplication::applicationDirPath(),
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
