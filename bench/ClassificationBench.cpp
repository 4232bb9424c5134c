// Reading every intersection of one photograph as black, white or empty:
// a rendered 1600 x 1200 photograph of a 19 x 19 board on its true grid,
// classified with stones scattered over it, and read by itself (as
// --position does once the board is found) three quarters covered.
#include <benchmark/benchmark.h>

#include "game/GameState.h"
#include "recognition/Classification.h"
#include "recognition/PositionReading.h"
#include "render/BoardPhoto.h"
#include "support/ClassificationCheck.h"
#include "support/DetectionCheck.h"
#include "support/ScriptedUserPort.h"

namespace {

// The game state of a photograph read on its true grid.
GameState stateOn(const BoardPhoto& photo) {
    GameState state;
    state.BoardSize = 19;
    state.GridMax = 18;
    state.MoveCount = 1;
    for (int i = 0; i < 19; ++i) {
        for (int j = 0; j < 19; ++j) {
            state.GridPoints(i, j, 0) = photo.pointAt(i, j).toPoint().x();
            state.GridPoints(i, j, 1) = photo.pointAt(i, j).toPoint().y();
        }
    }
    return state;
}

void BM_ClassifyIntersections(benchmark::State& bench) {
    BoardPhotoSetup setup;
    setup.stones = ScatteredStones(19, 1);
    const BoardPhoto photo = RenderBoardPhoto(setup);
    GameState state = stateOn(photo);
    RecognitionState rec;
    rec.Photo = photo.image;
    ScriptedUserPort port;
    for (auto _ : bench) benchmark::DoNotOptimize(ClassifyIntersections(state, rec, port, port));
}
BENCHMARK(BM_ClassifyIntersections)->Unit(benchmark::kMicrosecond);

void BM_ReadPosition(benchmark::State& bench) {
    BoardPhotoSetup setup;
    setup.stones = CrowdedBoard(19, 1);
    const BoardPhoto photo = RenderBoardPhoto(setup);
    const GameState state = stateOn(photo);
    for (auto _ : bench) benchmark::DoNotOptimize(ReadPosition(photo.image, state));
}
BENCHMARK(BM_ReadPosition)->Unit(benchmark::kMillisecond);

}  // namespace
