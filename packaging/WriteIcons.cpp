// Writes the program's picture as the icons of the desktop's icon theme:
// FOLDER/<size>x<size>/apps/banmark.png for every size given.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "ui/ProgramIcon.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 3) {
        std::fputs("uso: banmark-icons CARTELLA LATO...\n", stderr);
        return 2;
    }
    for (const QString& side : arguments.mid(2)) {
        const int size = side.toInt();
        const QString folder = arguments[1] + QStringLiteral("/%1x%1/apps").arg(size);
        if (size <= 0 || !QDir().mkpath(folder) ||
            !ProgramPixmap(size).save(folder + QStringLiteral("/banmark.png"))) {
            std::fprintf(stderr, "banmark-icons: impossibile scrivere l'icona %s in %s\n",
                         side.toLocal8Bit().constData(), folder.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
