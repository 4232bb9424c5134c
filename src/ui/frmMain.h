#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "game/RecognitionWindows.h"

class Program;
class QtUserPort;
class UserPort;
enum class InputField;
class ProgressBar;
class OptionsFrame;
class DetailsFrame;
class PhotoView;
class BoardDiagram;
class ZoomView;
class frmErrore;
class frmWarning;
class frmDati;
class GridCalibration;
class QGroupBox;
class QLabel;
class QPushButton;
class QShortcut;

// The main window. It has two arrangements: the options panel, with the
// photographs and output choices (fraOpzioni) beside the game details
// (fraInformazioni), and the processing view, with the photograph (imgShow)
// beside the game details and the board frame (fraGoban). The progress bar
// runs along the bottom edge while work is under way.
class frmMain : public QWidget {
    Q_OBJECT
public:
    // Loads the window: builds the controls, runs the program's start-up
    // steps (settings read and rewritten, working files removed) and shows
    // the options. Without a port the window uses real message boxes.
    explicit frmMain(Program& program, UserPort* port = nullptr);
    ~frmMain() override;

    // The progress bar: maximum > 0 starts it, < 0 stops it, 0 moves it to
    // value (clamped and written back). Lets pending events through after
    // drawing, so the window stays responsive during long work.
    void ShowProgress(long& value, long maximum);

    // Places every part for the arrangement shown (the options panel while
    // fraOpzioni shows) and keeps the window at least as large as the frames.
    void ArrangeControls();

    // Shows a photograph in the photo display.
    void ShowPhoto(const QImage& photo);
    // The grid check: the grid in red over the photograph, on a maximised
    // window. The left button drags the nearest corner, Esc switches between
    // 9, 13 and 19 lines; returns when the user presses cmdRicalibrato
    // (true), or closes the window (false).
    bool CalibrateGrid(GridCalibration& calibration);
    // Black's side: an arrow from the board's centre to the chosen side,
    // moved with the cursor keys or a click near a side; returns when the
    // user presses cmdPosizioneNero.
    void ChooseSide(QString& side);

    // The anomaly dialog, shown beside the board frame; returns the choice
    // (1 ... 4, 999 to abandon, 0 when closed without one).
    int AskAnomalyChoice(const std::array<QString, 6>& situationLines);
    // The manual correction window, beside the game details.
    CorrectionResult CorrectMoves(GameState& state, CorrectionMode mode,
                                  const QString& lastRecognised);
    // The live board: the position of state.MoveCount in the board frame,
    // shown while processing once a move is recorded, the grid checked and
    // Black's side chosen, and while the window is tall enough for it.
    void RedrawLiveBoard(const GameState& state);
    // The point inspection of a double-click on the photograph: the close-up
    // in place of the game details and the analysis window beside the main
    // window. Does nothing while the grid is checked.
    void InspectPoint(QPointF photoPoint);

    // The processing run of the options panel's cmdElabora.
    void cmdElabora_Click();
    // A field whose entry keeps the processing from starting: pure red, focused.
    void MarkInvalidInput(InputField field);
    // The options panel gives way to the photograph, maximised, and back.
    void ShowProcessingView();
    void ShowOptionsPanel();
    // The handicap and the rules, which only the start of a game may change
    // while it is followed.
    void EnableGameStartFields(bool enabled);

    // The end of the processing: only the window's title and, while the
    // outputs are written, a waiting text remain.
    void EndProcessingView();
    // Shows the text in the middle of the window on the board's colour,
    // one line below its top edge; "" hides it.
    void ShowWaitingText(const QString& text, int boardColour);
    // Closes the window, and with it the program, without a question.
    void EndProgram();

    // Shows the game details again after the program changed them.
    void ShowGameDetails();
    // What the correction window needs of the main window while it is open:
    // the photograph on display, another one in its place, the marker of the
    // stone it names, and the program's picture where the live board was.
    QImage PhotoOnDisplay() const;
    void DisplayPhoto(const QImage& photo);
    void MarkStone(QPointF centre, double diameter);
    void HideStoneMarker();
    void HideLiveBoard();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    OptionsFrame* fraOpzioni = nullptr;
    DetailsFrame* fraInformazioni = nullptr;
    // The photograph being processed, scaled to its place, with the grid over it.
    PhotoView* imgShow = nullptr;
    // Confirms the grid check; its caption tells the user what to do.
    QPushButton* cmdRicalibrato = nullptr;
    // The live board drawing, below the game details while processing.
    QGroupBox* fraGoban = nullptr;
    BoardDiagram* picSfondo = nullptr;
    // The close-up of the point inspection.
    ZoomView* pic3 = nullptr;
    // The program's picture: [0] stands in for the kifu size fields while
    // the kifu is off, [1] fills the board frame's place while processing.
    std::array<QLabel*, 2> imgIcon{};
    ProgressBar* picProgressBar = nullptr;
    // The waiting text while the outputs are written.
    QLabel* picFoto = nullptr;

    void buildProcessingView();
    void buildGridCheckControls();
    void buildLiveBoard();
    void cmdExit_Click();
    void arrangeProcessingView(int barHeight);
    // One turn of the event loop: pending painting and input are handled.
    void letEventsThrough();
    // Runs the event loop until the button is pressed and hidden.
    void waitUntilPressed(QPushButton* button);

    // The grid check and Black's side.
    void ShowGridLines();
    void DrawSideMarker();
    void escapePressed();
    void arrowPressed(int key);
    void photoPressed(QPointF photoPoint);
    void photoDragged(QPointF photoPoint);
    void photoReleased();

    UserPort& port();
    RecognitionWindows& windows();

    frmErrore* errore_ = nullptr;  // each dialog made on first use
    frmWarning* warning_ = nullptr;
    frmDati* dati_ = nullptr;

    Program& program_;
    // The window's own port; the recognition windows are always its own,
    // while messages go to the port given to the window, when one was.
    std::unique_ptr<QtUserPort> ownPort_;
    UserPort* port_ = nullptr;
    QElapsedTimer sinceEvents_;  // since the progress bar last let events through
    bool sessionEnding_ = false;
    bool exitConfirmed_ = false;

    GridCalibration* calibration_ = nullptr;  // while the grid is checked
    QString* side_ = nullptr;                 // while Black's side is chosen
    bool CornerDragging = false;
    QPointF pressedAt_;  // photograph point of the last left press
    std::array<QShortcut*, 4> arrowKeys_{};
};
