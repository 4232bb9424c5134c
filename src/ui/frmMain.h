#pragma once

#include <QWidget>
#include <array>
#include <memory>

class Program;
class UserPort;
class ProgressBar;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The main window. It shows the options panel: the photographs and output
// choices (fraOpzioni) beside the game details (fraInformazioni), with the
// progress bar along the bottom edge while work is under way.
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

    // The options panel's output choices -----------------------------------
    QGroupBox* fraOpzioni = nullptr;
    QLabel* lblPrimoFile = nullptr;
    QLineEdit* txtPrimoFile = nullptr;
    QLabel* lblUltimoFile = nullptr;
    QLineEdit* txtUltimoFile = nullptr;
    QCheckBox* chkSGF = nullptr;
    QCheckBox* chkKifu = nullptr;
    QLabel* lblLarghezza = nullptr;
    QLineEdit* txtLarghezza = nullptr;
    QComboBox* cboLarghezza = nullptr;
    QLabel* lblDPI = nullptr;
    QLineEdit* txtDPI = nullptr;
    QPushButton* cmdElabora = nullptr;
    QPushButton* cmdExit = nullptr;
    // The program's picture: [0] stands in for the kifu size fields while
    // the kifu is off, [1] fills the board frame's place while processing.
    std::array<QLabel*, 2> imgIcon{};

    // The game details --------------------------------------------------------
    QGroupBox* fraInformazioni = nullptr;
    QLineEdit* txtNero = nullptr;
    QComboBox* cboRankNero = nullptr;
    QLineEdit* txtTeamNero = nullptr;
    QLineEdit* txtBianco = nullptr;
    QComboBox* cboRankBianco = nullptr;
    QLineEdit* txtTeamBianco = nullptr;
    QLineEdit* txtKomi = nullptr;
    QLabel* lblHandicap = nullptr;
    QComboBox* cboHandicap = nullptr;
    QLabel* lblRegole = nullptr;
    QComboBox* cboRegole = nullptr;
    QLineEdit* txtTempo = nullptr;
    QLineEdit* txtByoyomi = nullptr;
    QLineEdit* txtLuogo = nullptr;
    QLineEdit* txtData = nullptr;
    QLineEdit* txtEvento = nullptr;
    QLineEdit* txtTurno = nullptr;
    QLineEdit* txtTitolo = nullptr;
    QLineEdit* txtRisultato = nullptr;

    ProgressBar* picProgressBar = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void buildOptionsFrame();
    void buildDetailsFrame();
    void showOutputOptions();
    void takeOutputOptions();
    void txtPrimoFile_Change();
    void cmdExit_Click();
    void endProgram();
    // Places the frames and the progress bar and keeps the window at least
    // as large as the frames need.
    void ArrangeControls();

    UserPort& port();

    Program& program_;
    std::unique_ptr<UserPort> ownPort_;
    UserPort* port_ = nullptr;
    bool sessionEnding_ = false;
    bool exitConfirmed_ = false;
};
