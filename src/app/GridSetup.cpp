#include "app/GridSetup.h"

#include "app/Program.h"
#include "geometry/BoardFinder.h"
#include "geometry/GridCalibration.h"
#include "geometry/GridDetection.h"
#include "geometry/GridModel.h"
#include "geometry/LineVoting.h"
#include "geometry/VoteImage.h"
#include "imaging/Converter.h"
#include "recognition/BoardColour.h"
#include "recognition/CalibratedReading.h"

namespace {

void useGivenGrid(GameState& state, const GivenGrid& grid) {
    state.BoardSize = grid.boardSize;
    state.GridMax = grid.boardSize - 1;
    const int g = state.GridMax;
    const std::array<QPoint, 4> places{QPoint(0, 0), QPoint(g, 0), QPoint(g, g), QPoint(0, g)};
    for (std::size_t c = 0; c < places.size(); ++c) {
        state.GridPoints(places[c].x(), places[c].y(), 0) = grid.corners[c].x();
        state.GridPoints(places[c].x(), places[c].y(), 1) = grid.corners[c].y();
    }
    BuildGridModel(state, true);
}

// Votes for the lines of the photograph and looks for the grid in them;
// AbortRequested ends up set when Esc stopped the voting or nothing was found.
void detectGrid(Program& program, const QString& outputBase, bool ctrlHeld, UserPort& port) {
    const QImage& photo = program.recognition.Photo;
    VoteGridLines(photo, program.angles, program.lineVotes, port, program.AbortRequested);
    if (ctrlHeld) {
        SaveVoteImage(program.lineVotes, outputBase, FindConverter(program.state.ProgramDir), port);
    }
    if (program.AbortRequested) return;
    const std::optional<BoardGrid> grid = DetectBoardGrid(photo, program.lineVotes, program.angles);
    if (grid) program.state.setGrid(*grid);
    program.AbortRequested = !grid;
}

}  // namespace

QString CalibrationKey(const GameState& state, const QString& firstPrepared) {
    QString key = firstPrepared.toLower() + QString::number(state.BoardSize);
    if (state.BoardSize <= 0) return key;
    for (int i : {0, state.GridMax}) {
        for (int j : {0, state.GridMax}) {
            key += QString::number(state.GridPoints(i, j, 0)) +
                   QString::number(state.GridPoints(i, j, 1));
        }
    }
    return key;
}

bool ConfirmFirstGrid(Program& program, const std::optional<GivenGrid>& given,
                      const QString& outputBase, bool ctrlHeld, UserPort& port) {
    GameState& state = program.state;
    if (given) {
        useGivenGrid(state, *given);
        program.AbortRequested = false;
    } else {
        detectGrid(program, outputBase, ctrlHeld, port);
    }
    // Esc now or in an earlier run, or no grid found: the user places a
    // 19-line grid by hand.
    if (program.AbortRequested) {
        state.BoardSize = 19;
        state.GridMax = 18;
    }
    return VerifyGrid(state, program.recognition.Photo.size(), program.AbortRequested, port);
}

bool EstablishGrid(Program& program, const std::optional<GivenGrid>& given,
                   const QString& outputBase, bool ctrlHeld, UserPort& port) {
    GameState& state = program.state;
    RecognitionState& rec = program.recognition;
    if (CalibrationKey(state, rec.FirstPreparedPhoto) == program.ConfirmedCalibrationKey)
        return true;
    if (!ConfirmFirstGrid(program, given, outputBase, ctrlHeld, port)) return false;
    program.ConfirmedCalibrationKey = CalibrationKey(state, rec.FirstPreparedPhoto);
    rec.HoshiList = HoshiListFor(state.BoardSize);
    state.BoardColour = MeanBoardColour(state, rec.Photo);
    rec.Calibration = ChooseCalibration(rec.Photo, state);
    rec.Followed = StartFollowing(rec.Photo, state);
    return true;
}
