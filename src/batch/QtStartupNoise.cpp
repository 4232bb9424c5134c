#include "batch/QtStartupNoise.h"

#include <QString>
#include <QtGlobal>

namespace {

QtMessageHandler qtHandler = nullptr;

bool isNoise(QtMsgType type, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg) return true;
    return type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: "));
}

void passOnAllButNoise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!isNoise(type, message)) qtHandler(type, context, message);
}

}  // namespace

void DropQtStartupNoise() {
    // Qt hands back its own default handler when none was installed before.
    qtHandler = qInstallMessageHandler(passOnAllButNoise);
}
