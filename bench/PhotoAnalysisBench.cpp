// The analysis of one prepared 1600 x 1200 photograph of a 19-line board in
// the middle of a game: loading it, reading every intersection and working
// out the move it shows.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "app/Program.h"
#include "geometry/GridDetection.h"
#include "geometry/LineVoting.h"
#include "imaging/PhotoLoading.h"
#include "recognition/Classification.h"
#include "recognition/MoveInference.h"
#include "support/PhotoSeriesRender.h"
#include "support/ScriptedUserPort.h"
#include "support/TestGames.h"

namespace {

constexpr int kMoveShown = 60;

void BM_AnalysePhoto(benchmark::State& state) {
    SgfGame game = NineteenLineGame();
    game.moves.resize(kMoveShown);
    QTemporaryDir folder;
    const QStringList photos =
        RenderPhotoSeries(game, folder.path(), LookFor(19, QSize(1600, 1200)));
    // The position before the last move is read first, on the true grid
    // found by the line voting of the empty board.
    Program program;
    ScriptedUserPort port;
    FillAngleTables(program.angles);
    GameState& s = program.state;
    RecognitionState& rec = program.recognition;
    rec.Photo = LoadPhoto(photos.first()).image;
    VoteGridLines(rec.Photo, program.angles, program.lineVotes, port, program.AbortRequested);
    FindGrid(program.lineVotes, program.angles, rec.Photo.size(), s);
    s.MoveCount = kMoveShown - 1;
    s.Moves(s.MoveCount - 1, 1) = "B: A1";  // White moved before, so Black is to move
    rec.Photo = LoadPhoto(photos[kMoveShown - 1]).image;
    ClassifyIntersections(s, rec, port, port);

    for (auto _ : state) {
        s.MoveCount = kMoveShown;
        s.CurrentPhoto = photos[kMoveShown];
        rec.Photo = LoadPhoto(s.CurrentPhoto).image;
        const PositionChanges changes = ClassifyIntersections(s, rec, port, port);
        InferMoves(program, changes, port, port);
    }
    if (s.MoveCount != kMoveShown + 1) state.SkipWithError("the move was not recorded");
}
BENCHMARK(BM_AnalysePhoto)->Unit(benchmark::kMillisecond);

}  // namespace
