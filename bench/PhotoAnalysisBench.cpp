// The analysis of one prepared 1600 x 1200 photograph of a 19-line board in
// the middle of a game: loading it, reading every intersection and working
// out the move it shows, by the fixed colour rule (argument 0) and against
// the game's empty board (1); and the look taken of that empty board.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "app/Program.h"
#include "geometry/GridDetection.h"
#include "geometry/LineVoting.h"
#include "imaging/PhotoLoading.h"
#include "recognition/CalibratedReading.h"
#include "recognition/Classification.h"
#include "recognition/MoveInference.h"
#include "render/PhotoSeriesRender.h"
#include "render/TestGames.h"
#include "support/ScriptedUserPort.h"

namespace {

constexpr int kMoveShown = 60;

QStringList RenderGame(const QTemporaryDir& folder) {
    SgfGame game = NineteenLineGame();
    game.moves.resize(kMoveShown);
    return RenderPhotoSeries(game, folder.path(), LookFor(19, QSize(1600, 1200)));
}

// The grid the line voting finds on the empty board.
void FindTheGrid(Program& program, const QImage& emptyBoard) {
    ScriptedUserPort port;
    FillAngleTables(program.angles);
    VoteGridLines(emptyBoard, program.angles, program.lineVotes, port, program.AbortRequested);
    if (const auto grid = FindGrid(program.lineVotes, program.angles, emptyBoard.size()))
        program.state.setGrid(*grid);
}

void BM_AnalysePhoto(benchmark::State& state) {
    QTemporaryDir folder;
    const QStringList photos = RenderGame(folder);
    // The position before the last move is read first, on the true grid
    // found by the line voting of the empty board.
    Program program;
    ScriptedUserPort port;
    GameState& s = program.state;
    RecognitionState& rec = program.recognition;
    rec.Photo = LoadPhoto(photos.first()).image;
    FindTheGrid(program, rec.Photo);
    if (state.range(0) == 1) rec.Calibration = CalibrateBoard(rec.Photo, s);
    s.MoveCount = kMoveShown - 1;
    s.Moves(s.MoveCount - 1, 1) = "B: A1";  // White moved before, so Black is to move
    rec.Photo = LoadPhoto(photos[kMoveShown - 1]).image;
    ClassifyIntersections(s, rec, port, port);

    for (auto _ : state) {
        s.MoveCount = kMoveShown;
        s.CurrentPhoto = photos[kMoveShown];
        rec.Photo = LoadPhoto(s.CurrentPhoto).image;
        const PositionChanges changes = ClassifyIntersections(s, rec, port, port);
        GameRecord game = program.record();
        InferMoves(game, changes, port, port);
    }
    if (s.MoveCount != kMoveShown + 1) state.SkipWithError("the move was not recorded");
}
BENCHMARK(BM_AnalysePhoto)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_CalibrateBoard(benchmark::State& state) {
    QTemporaryDir folder;
    const QStringList photos = RenderGame(folder);
    Program program;
    const QImage emptyBoard = LoadPhoto(photos.first()).image;
    FindTheGrid(program, emptyBoard);
    for (auto _ : state) benchmark::DoNotOptimize(CalibrateBoard(emptyBoard, program.state));
}
BENCHMARK(BM_CalibrateBoard)->Unit(benchmark::kMillisecond);

}  // namespace
