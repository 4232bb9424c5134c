#include "support/ScriptedUserPort.h"

#include <gtest/gtest.h>

#include "game/GameState.h"
#include "imaging/Converter.h"

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

void ScriptedUserPort::ShowSummary(const QString& text) {
    messages.push_back(
        {kProcessingTitle, text, MessageIcon::Information, MessageButtons::Ok, Answer::Ok});
}

int ScriptedUserPort::AskAnomalyChoice(const std::array<QString, 6>& situationLines) {
    anomalyReports.push_back(situationLines);
    if (anomalyChoices.empty()) {
        ADD_FAILURE() << "unexpected anomaly dialog: " << situationLines[0].toStdString();
        return 0;
    }
    const int choice = anomalyChoices.front();
    anomalyChoices.pop_front();
    return choice;
}

CorrectionResult ScriptedUserPort::CorrectMoves(GameState& state, CorrectionMode mode,
                                                const QString& lastRecognised) {
    return correct ? correct(state, mode, lastRecognised) : CorrectionResult{};
}
