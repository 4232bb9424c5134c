#pragma once

#include <QDialog>
#include <QImage>
#include <array>
#include <optional>

#include "game/RecognitionWindows.h"

struct GameState;
class BoardDiagram;
class MoveTextEdit;
class UserPort;
class frmMain;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
enum class BrowseStep;

// The manual correction window. In missing-move mode it shows the last move
// recognised and asks for the one missing; in correction mode the user gives the move number of the photograph's
// position and then types the last eight move texts up to it. In both the
// user may browse the moves, and a double-click on the board drawing
// changes a stone of the position shown.
class frmWarning : public QDialog {
    Q_OBJECT
public:
    frmWarning(frmMain& main, UserPort& port);

    // Shows the window modally beside the anchor (on the screen). In
    // missing-move mode lastRecognised is the move found on the photograph.
    CorrectionResult Correct(GameState& state, CorrectionMode mode, const QString& lastRecognised,
                             const QRect& anchor);
    // The prepared photograph the window shows on the main window while it
    // is open; "" for the photograph under analysis.
    QString PhotoShown() const { return isVisible() ? photoOnMain_ : QString(); }

    BoardDiagram* picSfondo = nullptr;
    QPushButton* cmdFirst = nullptr;
    QPushButton* cmdSSX = nullptr;
    QPushButton* cmdSX = nullptr;
    QPushButton* cmdDX = nullptr;
    QPushButton* cmdDDX = nullptr;
    QPushButton* cmdLast = nullptr;
    QGroupBox* fra1 = nullptr;
    MoveTextEdit* txtInput = nullptr;
    QLabel* lblUltimaMossaRiconosciuta = nullptr;
    QLabel* lblPOS = nullptr;
    QLineEdit* txtNumMossa = nullptr;
    QGroupBox* fra8 = nullptr;
    std::array<QLabel*, 8> lblMossa{};
    std::array<MoveTextEdit*, 8> txtMossa{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAnnulla = nullptr;

    int ShownMove = 0;
    bool NumberStage = false;

protected:
    // Esc and the close box cancel in correction mode; in missing-move mode,
    // where there is no cancel, only OK closes the window.
    void reject() override;

private:
    void buildBrowseButtons(class QHBoxLayout* row);
    void buildMissingMoveFrame();
    void buildCorrectionFields();
    void activate(const QString& lastRecognised);
    void showModeFields(bool correction);
    void browse(BrowseStep step);
    void showPosition();
    // The main window shows the photograph of the move shown, or the
    // current one ("").
    void showMainPhoto();
    void showOnMain(const QString& photo);
    void updateBrowseButtons();
    // The intersection the recognised-move label names, if it names one,
    // with the main window's marker placed over the photograph.
    std::optional<QPoint> markShownMove();
    void cycleStone(int i, int j);
    void cmdOK_Click();
    void confirmMoveNumber();
    void confirmMoveTexts();
    void refuse(QLineEdit* box);
    void cmdAnnulla_Click();
    void setBoardSizeOfBoxes(int boardSize);

    frmMain& main_;
    UserPort& port_;
    GameState* state_ = nullptr;
    bool correcting_ = false;  // correction mode, not missing-move mode
    bool cancelled_ = false;
    // What the main window showed when the window opened.
    QImage currentPhoto_;
    QString mainCaption_;
    QString photoOnMain_;
    QString labelAtActivation_;
};
