#pragma once

#include <cstdio>

#include "batch/BatchArguments.h"
#include "batch/PositionLog.h"
#include "batch/ProgressLine.h"
#include "game/RecognitionWindows.h"
#include "game/UserPort.h"

class Program;

// The user port of the batch front end: no window and nobody to ask.
// Questions are answered by the command line's choices, and every message
// box and every answer given goes to the error stream as one line; the
// summary goes to the output stream. When the error stream is a terminal,
// a progress line there says which photograph is being read.
class BatchPort : public UserPort, public RecognitionWindows {
public:
    // Why the port gave up a run.
    enum class GiveUp { None, NoGrid, Anomaly };

    // progressTerminal: err when it is a terminal, else nullptr.
    BatchPort(const Program& program, const BatchAnswers& answers, std::FILE* out, std::FILE* err,
              std::FILE* progressTerminal)
        : program_(program), answers_(answers), out_(out), err_(err), progress_(progressTerminal) {}

    GiveUp gaveUp() const { return gaveUp_; }
    // The field the processing refused, when it refused one.
    std::optional<InputField> invalidInput() const { return invalidInput_; }

    Answer ShowMessage(const MessageBoxRequest& request) override;
    // Confirms the grid found, at the size asked for; gives up when there
    // is none and the command line gave no corners.
    bool CalibrateGrid(GridCalibration& calibration) override;
    void ChooseSide(QString& side) override;
    void MarkInvalidInput(InputField field) override { invalidInput_ = field; }
    void ShowSummary(const QString& text) override;
    void ShowSeriesProgress(int photo, int photos, int move) override;
    // Clears the progress line once the run is over.
    void EndProgressLine() { progress_.Clear(); }

    int AskAnomalyChoice(const std::array<QString, 6>& situationLines) override;
    // Names no missing move: the move seen in the photograph is recorded.
    CorrectionResult CorrectMoves(GameState& state, CorrectionMode mode,
                                  const QString& lastRecognised) override;
    // Keeps the position read, for --positions.
    void RedrawLiveBoard(const GameState& state) override { positions_.Record(state); }

    // The position read from each photograph.
    const PositionLog& positions() const { return positions_; }

private:
    void report(const QString& line);

    const Program& program_;
    const BatchAnswers& answers_;
    std::FILE* out_;
    std::FILE* err_;
    GiveUp gaveUp_ = GiveUp::None;
    std::optional<InputField> invalidInput_;
    PositionLog positions_;
    ProgressLine progress_;
};
