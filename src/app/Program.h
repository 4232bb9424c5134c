#pragma once

#include "game/GameDetails.h"
#include "game/GameState.h"
#include "game/OutputOptions.h"
#include "geometry/AngleTables.h"
#include "geometry/VoteTable.h"
#include "imaging/PhotoList.h"
#include "imaging/ScriptRunner.h"
#include "recognition/MoveRecording.h"
#include "recognition/RecognitionState.h"

class UserPort;

// Everything the program keeps for as long as it runs: the shared game state,
// the game details and output options of the options panel, the list the
// photo series is read from, the tables of the grid detection and the flags
// the main window shares with it. Both front ends own one and
// hand it to whatever needs it.
class Program {
public:
    GameState state;
    GameDetails details;
    OutputOptions options;
    PhotoList photos;
    // The photo preparation of the last run, which goes on converting in the
    // background; stopped before the working files are removed.
    ScriptRunner preparation;
    AngleTables angles;

    // What the recognition of the current game keeps between photographs.
    RecognitionState recognition;

    // The line votes of the first photograph of the last run.
    LineVotes lineVotes;
    // Black's side of the photographs: "N", "S", "E" or "W", empty until the
    // first game; kept from game to game while the program runs.
    QString BlackSide;

    // The calibration key of the grid the user confirmed last; a run on the
    // same first photograph with the same grid skips the grid check.
    QString ConfirmedCalibrationKey;

    // Ctrl was held as processing started: the line votes are saved as a picture.
    bool CtrlHeld = false;
    // Esc was pressed during the line voting, or the grid could not be found.
    bool AbortRequested = false;

    // The parts of the state that recording the game's moves works on.
    GameRecord record() { return {state, recognition, details, BlackSide}; }

    // The start-up steps that do not depend on the window: no board known
    // yet, the angle tables filled, the settings read (and rewritten when
    // faulty), the working files of an earlier run deleted and the settings
    // written back, so every start leaves a well-formed settings file.
    // state.ProgramDir must be set before.
    void Load(UserPort& port);

    // Asks whether to leave the program. On Yes the working files are removed
    // and the settings written, and the result is true.
    bool ConfirmExit(UserPort& port);
};
