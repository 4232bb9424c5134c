#pragma once

#include <QWidget>
#include <array>
#include <memory>

class Program;
class UserPort;
class ProgressBar;
class OptionsFrame;
class DetailsFrame;
class QGroupBox;
class QLabel;

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

    OptionsFrame* fraOpzioni = nullptr;
    DetailsFrame* fraInformazioni = nullptr;
    // The photograph being processed, stretched to its place.
    QLabel* imgShow = nullptr;
    // The live board drawing, below the game details while processing.
    QGroupBox* fraGoban = nullptr;
    // The program's picture: [0] stands in for the kifu size fields while
    // the kifu is off, [1] fills the board frame's place while processing.
    std::array<QLabel*, 2> imgIcon{};
    ProgressBar* picProgressBar = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void buildProcessingView();
    void cmdExit_Click();
    void arrangeProcessingView(int barHeight);

    UserPort& port();

    Program& program_;
    std::unique_ptr<UserPort> ownPort_;
    UserPort* port_ = nullptr;
    bool sessionEnding_ = false;
    bool exitConfirmed_ = false;
};
