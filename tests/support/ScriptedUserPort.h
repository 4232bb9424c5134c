#pragma once

#include <QImage>
#include <deque>
#include <functional>
#include <vector>

#include "app/ProgressModel.h"
#include "game/RecognitionWindows.h"
#include "game/UserPort.h"

// A user port for tests: answers questions from a queue and records every
// message box, beep and turn of the event loop. A box with only an OK button
// takes no answer; a question with no answer left fails the test. The grid
// check and the choice of Black's side are counted and, unless told
// otherwise, confirmed at once. The recognition windows answer from their
// own queue and functions in the same way.
class ScriptedUserPort : public UserPort, public RecognitionWindows {
public:
    std::deque<Answer> answers;
    std::vector<MessageBoxRequest> messages;
    int beeps = 0;
    int eventTurns = 0;
    ProgressModel progress;

    Answer ShowMessage(const MessageBoxRequest& request) override;
    void Beep() override { ++beeps; }
    void ProcessEvents() override { ++eventTurns; }
    // Runs after every step of the progress bar, when the window would
    // handle a key pressed meanwhile.
    std::function<void()> duringProgress;
    void ShowProgress(long& value, long maximum) override {
        progress.Show(value, maximum);
        if (duringProgress) duringProgress();
    }

    QImage shownPhoto;
    // The grid check runs this, if any, and gives up the run when told to.
    std::function<void(GridCalibration&)> calibrate;
    bool giveUpAtGridCheck = false;
    int gridChecks = 0;
    int sideChoices = 0;

    void ShowPhoto(const QImage& photo) override { shownPhoto = photo; }
    bool CalibrateGrid(GridCalibration& calibration) override {
        ++gridChecks;
        if (calibrate) calibrate(calibration);
        return !giveUpAtGridCheck;
    }
    void ChooseSide(QString&) override { ++sideChoices; }

    std::vector<InputField> invalidInputs;
    bool processingViewShown = false;
    int optionsPanelShows = 0;
    QString caption;
    bool gameStartFieldsEnabled = true;
    int detailShows = 0;

    void MarkInvalidInput(InputField field) override { invalidInputs.push_back(field); }
    void ShowProcessingView() override { processingViewShown = true; }
    void ShowOptionsPanel() override {
        ++optionsPanelShows;
        gameStartFieldsEnabled = true;
    }
    void SetCaption(const QString& text) override { caption = text; }
    void EnableGameStartFields(bool enabled) override { gameStartFieldsEnabled = enabled; }
    void ShowGameDetails() override { ++detailShows; }
    // Recorded with the message boxes, as the box it is.
    void ShowSummary(const QString& text) override;

    bool processingViewEnded = false;
    bool programEnded = false;

    void EndProcessingView() override { processingViewEnded = true; }
    void EndProgram() override { programEnded = true; }

    std::deque<int> anomalyChoices;
    std::vector<std::array<QString, 6>> anomalyReports;
    // Plays the correction window: may change the state, returns how the
    // window was left. Without one, the window closes untouched.
    std::function<CorrectionResult(GameState&, CorrectionMode, const QString& lastRecognised)>
        correct;
    int liveBoardRedraws = 0;

    int AskAnomalyChoice(const std::array<QString, 6>& situationLines) override;
    CorrectionResult CorrectMoves(GameState& state, CorrectionMode mode,
                                  const QString& lastRecognised) override;
    void RedrawLiveBoard(const GameState&) override { ++liveBoardRedraws; }
};
