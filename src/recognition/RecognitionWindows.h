#pragma once

#include <QString>
#include <array>

struct GameState;

// The windows through which the user rescues a game when a photograph does
// not fit: the part of the user port that belongs to recognition. The window
// program implements it with its dialogs, the tests with scripted answers.
class RecognitionWindows {
public:
    virtual ~RecognitionWindows() = default;

    // The anomaly dialog: shows the six situation lines and returns the
    // user's choice, 1 ... 4, 999 to abandon the run, or 0 when the dialog
    // was closed without one.
    virtual int AskAnomalyChoice(const std::array<QString, 6>& situationLines) = 0;

    // The manual correction window, shown modally in the mode
    // state.WarningMode selects. In missing-move mode lastRecognised is the
    // move found in the photograph and the result is the missing move the
    // user typed ("" for none). In correction mode the window writes the
    // corrected moves and position into the state and sets
    // state.WarningCancelled when the user cancelled.
    virtual QString CorrectMoves(GameState& state, const QString& lastRecognised) = 0;

    // Draws the position of state.MoveCount on the live board display.
    virtual void RedrawLiveBoard(const GameState& state) = 0;
};
