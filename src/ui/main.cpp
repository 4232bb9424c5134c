// The window program: settles the program folder and the screen, and opens
// the main window, whose loading does the rest of the start-up.
#include <QApplication>

#include "app/Program.h"
#include "app/Startup.h"
#include "ui/frmMain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Banmark"));

    Program program;
    PlaceProgram(program.state);

    frmMain window(program);
    window.show();
    return app.exec();
}
