#pragma once

#include <QString>

class GridCalibration;
class QImage;

// The icon a message box shows.
enum class MessageIcon { Information, Question, Exclamation, Critical };

// The buttons a message box offers.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

// The button the user pressed.
enum class Answer { Ok, Cancel, Yes, No };

// The fields of the options panel checked before processing starts.
enum class InputField { FirstPhoto, LastPhoto, Rules };

// One modal message box: its title, text (lines joined by CR LF), icon,
// buttons and the button that Enter presses.
struct MessageBoxRequest {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    Answer defaultButton = Answer::Ok;
};

// The one way the core talks to the user. The window program implements it
// with real widgets; the tests with scripted answers that record what was
// asked. Nothing outside the user interface opens a window or beeps itself.
// The questions must be answered by every port; what only shows or tells
// something does nothing unless a port has somewhere to show it.
class UserPort {
public:
    virtual ~UserPort() = default;

    // Shows a modal message box and returns the button pressed.
    virtual Answer ShowMessage(const MessageBoxRequest& request) = 0;

    // Sounds the system beep.
    virtual void Beep() {}

    // Lets the window system handle pending events, so that the window stays
    // responsive and key presses reach the running work.
    virtual void ProcessEvents() {}

    // The progress bar: maximum > 0 starts it, maximum < 0 stops it, 0 moves
    // it to value. Whenever the bar is drawn, value is clamped into
    // 0 ... maximum and the clamped value is written back.
    virtual void ShowProgress(long& /*value*/, long /*maximum*/) {}

    // Where the run is in the series: the photo-th of photos (counted from
    // 1) is read for move number move. The window's progress bar and caption
    // already say as much; the batch front end shows it on a terminal.
    virtual void ShowSeriesProgress(int /*photo*/, int /*photos*/, int /*move*/) {}

    // Shows a photograph in the main window's photo display.
    virtual void ShowPhoto(const QImage&) {}

    // The grid check: shows the grid over the photograph and forwards the
    // user's corrections to calibration until the user confirms, which gives
    // true; false when the user gives up the run instead.
    virtual bool CalibrateGrid(GridCalibration& calibration) = 0;

    // Lets the user choose Black's side ("N", "S", "E" or "W"), starting
    // from side; returns once the user confirmed.
    virtual void ChooseSide(QString& side) = 0;

    // Marks a field whose entry keeps the processing from starting: its
    // background turns pure red and it gets the focus.
    virtual void MarkInvalidInput(InputField) {}
    // The processing starts: the options panel gives way to the processing
    // view on a maximised window, with the program's picture in place of the
    // board frame.
    virtual void ShowProcessingView() {}
    // The run is abandoned: the options panel comes back on a window of
    // normal size, with the handicap and the rules enabled again.
    virtual void ShowOptionsPanel() {}
    // The main window's caption.
    virtual void SetCaption(const QString&) {}
    // The handicap and rules fields are disabled while a game is followed,
    // so that only the start-of-game checks change them.
    virtual void EnableGameStartFields(bool) {}
    // Shows the game details again after the program changed them.
    virtual void ShowGameDetails() {}

    // The processing is over: the photograph, the game details and the board
    // frame give way to an empty window while the outputs are written.
    virtual void EndProcessingView() {}

    // Shows a text in the photo area on the board's colour (red + 256 *
    // green + 65536 * blue) and lets the window repaint; "" hides it.
    virtual void ShowWaitingText(const QString& /*text*/, int /*boardColour*/) {}

    // The summary of a finished game, in an information box.
    virtual void ShowSummary(const QString&) {}

    // Ends the program once the game is finished and its files are written:
    // the window closes without asking.
    virtual void EndProgram() {}
};
