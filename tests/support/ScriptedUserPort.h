#pragma once

#include <QImage>
#include <deque>
#include <functional>
#include <vector>

#include "app/ProgressModel.h"
#include "app/UserPort.h"

// A user port for tests: answers questions from a queue and records every
// message box, beep and turn of the event loop. A box with only an OK button
// takes no answer; a question with no answer left fails the test. The grid
// check and the choice of Black's side run the given actions, if any, and
// confirm at once.
class ScriptedUserPort : public UserPort {
public:
    std::deque<Answer> answers;
    std::vector<MessageBoxRequest> messages;
    int beeps = 0;
    int eventTurns = 0;
    ProgressModel progress;

    Answer ShowMessage(const MessageBoxRequest& request) override;
    void Beep() override { ++beeps; }
    void ProcessEvents() override { ++eventTurns; }
    void ShowProgress(long& value, long maximum) override { progress.Show(value, maximum); }

    QImage shownPhoto;
    std::function<void(GridCalibration&)> calibrate;
    int gridChecks = 0;
    std::function<void(QString&)> chooseSide;
    int sideChoices = 0;

    void ShowPhoto(const QImage& photo) override { shownPhoto = photo; }
    void CalibrateGrid(GridCalibration& calibration) override;
    void ChooseSide(QString& side) override;
};
