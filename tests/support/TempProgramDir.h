#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh, empty program folder for one test, removed afterwards.
class TempProgramDir {
public:
    TempProgramDir();

    // The folder with its trailing separator, as the program keeps it.
    QString path() const;
    // Writes bytes to a file in the folder, creating subfolders as needed.
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;
    // Copies a program into the folder, which becomes its program folder,
    // and returns the copy's path.
    QString install(const QString& program) const;

private:
    QTemporaryDir dir_;
};
