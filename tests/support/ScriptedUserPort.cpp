#include "support/ScriptedUserPort.h"

#include <gtest/gtest.h>

Answer ScriptedUserPort::ShowMessage(const MessageBoxRequest& request) {
    messages.push_back(request);
    if (request.buttons == MessageButtons::Ok) return Answer::Ok;
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question \"" << request.title.toStdString()
                      << "\": " << request.text.toStdString();
        return request.defaultButton;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedUserPort::CalibrateGrid(GridCalibration& calibration) {
    ++gridChecks;
    if (calibrate) calibrate(calibration);
}

void ScriptedUserPort::ChooseSide(QString& side) {
    ++sideChoices;
    if (chooseSide) chooseSide(side);
}
