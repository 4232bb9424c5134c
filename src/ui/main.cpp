// The window program: measures the screen, settles the program folder and
// opens the main window, whose loading does the rest of the start-up.
#include <QApplication>
#include <QScreen>
#include <QStandardPaths>

#include "app/Program.h"
#include "app/Startup.h"
#include "ui/frmMain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Banmark"));

    Program program;
    const QScreen* screen = QGuiApplication::primaryScreen();
    program.state.TwipsPerPixelX = TwipsPerPixel(screen->logicalDotsPerInchX());
    program.state.TwipsPerPixelY = TwipsPerPixel(screen->logicalDotsPerInchY());
    program.state.ProgramDir =
        ChooseProgramDir(QCoreApplication::applicationDirPath(),
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));

    frmMain window(program);
    window.show();
    return app.exec();
}
