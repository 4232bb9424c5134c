#pragma once

#include <deque>
#include <vector>

#include "app/ProgressModel.h"
#include "app/UserPort.h"

// A user port for tests: answers questions from a queue and records every
// message box, beep and turn of the event loop. A box with only an OK button
// takes no answer; a question with no answer left fails the test.
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
};
