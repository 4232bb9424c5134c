#include "app/Startup.h"

#include <QDir>
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

QString withTrailingSeparator(const QString& folder) {
    const QString native = QDir::toNativeSeparators(folder);
    return native.endsWith(QDir::separator()) ? native : native + QDir::separator();
}

}  // namespace

QString ChooseProgramDir(const QString& executableDir, const QString& userDataDir) {
    if (canCreateFilesIn(executableDir)) return withTrailingSeparator(executableDir);
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
