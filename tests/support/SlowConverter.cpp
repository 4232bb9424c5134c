#include "support/SlowConverter.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <csignal>

#include "support/TempProgramDir.h"

namespace {

QList<QByteArray> runs(const TempProgramDir& dir) {
    QList<QByteArray> lines = dir.read("converter runs").split('\n');
    lines.removeAll(QByteArray());
    return lines;
}

}  // namespace

void InstallSlowConverter(const TempProgramDir& dir, const QStringList& quickNames) {
    QByteArray script = "#!/bin/sh\necho $$ >> '" + dir.path().toUtf8() + "converter runs'\n";
    for (const QString& name : quickNames)
        script += "case \"$1\" in *" + name.toUtf8() + ") cp \"$1\" \"$4\"; exit;; esac\n";
    script += "exec sleep 60\n";  // exec: the process number written is the one that waits
    dir.write("vconvert", script);
    QFile::setPermissions(dir.path() + "vconvert", QFile::ReadOwner | QFile::ExeOwner);
}

bool WaitForConverterRuns(const TempProgramDir& dir, int count) {
    const QDeadlineTimer deadline(10000);
    while (runs(dir).size() < count && !deadline.hasExpired()) QThread::msleep(10);
    return runs(dir).size() >= count;
}

bool AnyConverterRunning(const TempProgramDir& dir) {
    for (const QByteArray& run : runs(dir))
        if (kill(run.toInt(), 0) == 0) return true;
    return false;
}
