#pragma once

#include <QString>
#include <array>

struct GameState;

// What the manual correction window is shown for.
enum class CorrectionMode {
    // Two moves were expected and one stone appeared: the user names the
    // missing move.
    MissingMove,
    // The user corrects the last moves and the position by hand.
    Correction,
};

// How the user left the manual correction window.
struct CorrectionResult {
    // Correction mode: the window was closed with its cancel button.
    bool cancelled = false;
    // Missing-move mode: the missing move typed, "" for none.
    QString missingMove;
};

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

    // The manual correction window, shown modally. In missing-move mode
    // lastRecognised is the move found in the photograph. In correction mode
    // the window writes the corrected moves and position into the state.
    virtual CorrectionResult CorrectMoves(GameState& state, CorrectionMode mode,
                                          const QString& lastRecognised) = 0;

    // Draws the position of state.MoveCount on the live board display.
    virtual void RedrawLiveBoard(const GameState& state) = 0;
};
