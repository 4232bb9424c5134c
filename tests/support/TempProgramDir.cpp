#include "support/TempProgramDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempProgramDir::TempProgramDir()
    : dir_(QDir::tempPath() + QStringLiteral("/banmark-test-XXXXXX")) {}

QString TempProgramDir::path() const { return dir_.path() + QLatin1Char('/'); }

void TempProgramDir::write(const QString& name, const QByteArray& bytes) const {
    const QString file = path() + name;
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    if (out.open(QIODevice::WriteOnly)) out.write(bytes);
}

QByteArray TempProgramDir::read(const QString& name) const {
    QFile in(path() + name);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

bool TempProgramDir::exists(const QString& name) const { return QFileInfo::exists(path() + name); }

QString TempProgramDir::install(const QString& program) const {
    const QString copy = path() + QFileInfo(program).fileName();
    QFile::copy(program, copy);
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return copy;
}
