// Finding the grid on the first photograph of a series: the line voting over
// every edge pixel, then the detection on the votes. Measured on a rendered
// 1600 x 1200 photograph of an empty 19 x 19 board, tilted by 15 degrees.
#include <benchmark/benchmark.h>

#include "app/GameState.h"
#include "geometry/GridDetection.h"
#include "geometry/LineVoting.h"
#include "support/BoardPhoto.h"
#include "support/ScriptedUserPort.h"

namespace {

struct Setup {
    Setup() {
        FillAngleTables(angles);
        BoardPhotoSetup setup;
        setup.camera.tiltDegrees = 15;
        photo = RenderBoardPhoto(setup).image;
    }
    AngleTables angles;
    QImage photo;
    ScriptedUserPort port;
    const bool noAbort = false;
};

Setup& setup() {
    static Setup shared;
    return shared;
}

void BM_VoteGridLines(benchmark::State& state) {
    Setup& s = setup();
    LineVotes votes;
    for (auto _ : state) VoteGridLines(s.photo, s.angles, votes, s.port, s.noAbort);
}
BENCHMARK(BM_VoteGridLines)->Unit(benchmark::kMillisecond);

void BM_DetectGrid(benchmark::State& state) {
    Setup& s = setup();
    LineVotes votes;
    VoteGridLines(s.photo, s.angles, votes, s.port, s.noAbort);
    GameState grid;
    for (auto _ : state) benchmark::DoNotOptimize(FindGrid(votes, s.angles, s.photo.size(), grid));
}
BENCHMARK(BM_DetectGrid)->Unit(benchmark::kMillisecond);

void BM_VoteAndDetect(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state) {
        LineVotes votes;
        VoteGridLines(s.photo, s.angles, votes, s.port, s.noAbort);
        GameState grid;
        benchmark::DoNotOptimize(FindGrid(votes, s.angles, s.photo.size(), grid));
    }
}
BENCHMARK(BM_VoteAndDetect)->Unit(benchmark::kMillisecond);

}  // namespace
