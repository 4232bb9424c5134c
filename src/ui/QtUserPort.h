#pragma once

#include "game/RecognitionWindows.h"
#include "game/UserPort.h"

class frmMain;

// The user port of the window program: real message boxes over the main
// window, the system beep, the event loop, the main window's progress bar,
// and the windows of the recognition.
class QtUserPort : public UserPort, public RecognitionWindows {
public:
    explicit QtUserPort(frmMain& window) : window_(window) {}

    Answer ShowMessage(const MessageBoxRequest& request) override;
    void Beep() override;
    void ProcessEvents() override;
    void ShowProgress(long& value, long maximum) override;
    void ShowPhoto(const QImage& photo) override;
    bool CalibrateGrid(GridCalibration& calibration) override;
    void ChooseSide(QString& side) override;
    void MarkInvalidInput(InputField field) override;
    void ShowProcessingView() override;
    void ShowOptionsPanel() override;
    void SetCaption(const QString& caption) override;
    void EnableGameStartFields(bool enabled) override;
    void ShowGameDetails() override;
    void ShowSummary(const QString& text) override;
    void EndProcessingView() override;
    void ShowWaitingText(const QString& text, int boardColour) override;
    void EndProgram() override;

    int AskAnomalyChoice(const std::array<QString, 6>& situationLines) override;
    CorrectionResult CorrectMoves(GameState& state, CorrectionMode mode,
                                  const QString& lastRecognised) override;
    void RedrawLiveBoard(const GameState& state) override;

private:
    frmMain& window_;
};
