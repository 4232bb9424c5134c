// Reading every intersection of one photograph as black, white or empty:
// a rendered 1600 x 1200 photograph of a 19 x 19 board with stones scattered
// over it, classified on its true grid.
#include <benchmark/benchmark.h>

#include "game/GameState.h"
#include "recognition/Classification.h"
#include "render/BoardPhoto.h"
#include "support/ClassificationCheck.h"
#include "support/ScriptedUserPort.h"

namespace {

void BM_ClassifyIntersections(benchmark::State& bench) {
    BoardPhotoSetup setup;
    setup.stones = ScatteredStones(19, 1);
    const BoardPhoto photo = RenderBoardPhoto(setup);
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
    RecognitionState rec;
    rec.Photo = photo.image;
    ScriptedUserPort port;
    for (auto _ : bench) benchmark::DoNotOptimize(ClassifyIntersections(state, rec, port, port));
}
BENCHMARK(BM_ClassifyIntersections)->Unit(benchmark::kMicrosecond);

}  // namespace
