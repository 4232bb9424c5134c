// The window program: settles the program folder and the screen, and opens
// the main window, whose loading does the rest of the start-up.
#include <QApplication>

#include "app/Program.h"
#include "app/Startup.h"
#include "ui/frmMain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Banmark"));
    // The desktop matches the window to the menu entry, and so to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("banmark"));

    Program program;
    PlaceProgram(program.state);

    frmMain window(program);
    window.show();
    return app.exec();
}
