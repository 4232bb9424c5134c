#pragma once

#include "app/UserPort.h"

class frmMain;

// The user port of the window program: real message boxes over the main
// window, the system beep, the event loop and the main window's progress bar.
class QtUserPort : public UserPort {
public:
    explicit QtUserPort(frmMain& window) : window_(window) {}

    Answer ShowMessage(const MessageBoxRequest& request) override;
    void Beep() override;
    void ProcessEvents() override;
    void ShowProgress(long& value, long maximum) override;
    void ShowPhoto(const QImage& photo) override;
    void CalibrateGrid(GridCalibration& calibration) override;
    void ChooseSide(QString& side) override;
    void EndProcessingView() override;
    void ShowWaitingText(const QString& text, int boardColour) override;
    void EndProgram() override;

private:
    frmMain& window_;
};
