#include "app/Program.h"

#include "app/SettingsFile.h"
#include "app/WorkingFiles.h"
#include "game/UserPort.h"

void Program::Load(UserPort& port) {
    CtrlHeld = false;
    AbortRequested = false;
    state.BoardSize = -1;
    state.GridMax = -1;
    FillAngleTables(angles);
    ReadSettings(state.ProgramDir, options, port);
    preparation.Stop();
    RemoveTempFiles(state.ProgramDir, options);
}

bool Program::ConfirmExit(UserPort& port) {
    const MessageBoxRequest question{QStringLiteral("Banmark"),
                                     QStringLiteral("Uscire da Banmark?"), MessageIcon::Question,
                                     MessageButtons::YesNo, Answer::No};
    if (port.ShowMessage(question) != Answer::Yes) return false;
    preparation.Stop();
    RemoveTempFiles(state.ProgramDir, options);
    return true;
}
