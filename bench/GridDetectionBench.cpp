// Finding the grid on the first photograph of a series: the line voting over
// every edge pixel, the detection on the votes, and the whole board finder.
// Measured on a rendered 1600 x 1200 photograph of an empty 19 x 19 board,
// tilted by 15 degrees, and of the same board two thirds full of stones;
// then following the grid onto the next photograph, with the camera still
// and with the camera knocked by (30, -20) pixels and 1 degree.
#include <benchmark/benchmark.h>

#include <array>
#include <random>

#include "game/GameState.h"
#include "geometry/BoardFinder.h"
#include "geometry/GridDetection.h"
#include "geometry/GridFollowing.h"
#include "geometry/LineVoting.h"
#include "render/BoardPhoto.h"
#include "support/ScriptedUserPort.h"

namespace {

struct Setup {
    Setup() {
        FillAngleTables(angles);
        BoardPhotoSetup setup;
        setup.camera.tiltDegrees = 15;
        photo = RenderBoardPhoto(setup).image;
        BoardPhotoSetup full = setup;
        std::mt19937 placing(7);
        full.stones.assign(19 * 19, kEmpty);
        for (int& stone : full.stones) stone = std::array{kEmpty, kBlack, kWhite}[placing() % 3];
        crowded = RenderBoardPhoto(full).image;
        setup.seed = 2;
        still = RenderBoardPhoto(setup).image;
        setup.camera.shift = QPointF(30, -20);
        setup.camera.rotationDegrees = 1;
        knocked = RenderBoardPhoto(setup).image;
    }
    AngleTables angles;
    QImage photo;
    QImage crowded;
    QImage still;
    QImage knocked;
    ScriptedUserPort port;
    const bool noAbort = false;
};

Setup& setup() {
    static Setup shared;
    return shared;
}

// The voting on 1 and 2 threads, and on one per core (0).
void BM_VoteGridLines(benchmark::State& state) {
    Setup& s = setup();
    LineVotes votes;
    const int threads = static_cast<int>(state.range(0));
    for (auto _ : state) VoteGridLines(s.photo, s.angles, votes, s.port, s.noAbort, threads);
}
BENCHMARK(BM_VoteGridLines)->Arg(1)->Arg(2)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DetectGrid(benchmark::State& state) {
    Setup& s = setup();
    LineVotes votes;
    VoteGridLines(s.photo, s.angles, votes, s.port, s.noAbort);
    for (auto _ : state) benchmark::DoNotOptimize(FindGrid(votes, s.angles, s.photo.size()));
}
BENCHMARK(BM_DetectGrid)->Unit(benchmark::kMillisecond);

void BM_VoteAndDetect(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state) {
        LineVotes votes;
        VoteGridLines(s.photo, s.angles, votes, s.port, s.noAbort);
        benchmark::DoNotOptimize(FindGrid(votes, s.angles, s.photo.size()));
    }
}
BENCHMARK(BM_VoteAndDetect)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole finding as a run does it: the voting, then the board finder
// (the votes' grid, the search from the middle, the line pieces' lattices,
// and the choice among them), on the empty board (0) and the crowded one (1).
void BM_FindBoard(benchmark::State& state) {
    Setup& s = setup();
    const QImage& photo = state.range(0) == 0 ? s.photo : s.crowded;
    for (auto _ : state) {
        LineVotes votes;
        VoteGridLines(photo, s.angles, votes, s.port, s.noAbort);
        if (!DetectBoardGrid(photo, votes, s.angles)) return state.SkipWithError("no board");
    }
}
BENCHMARK(BM_FindBoard)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void followOnto(benchmark::State& state, const QImage& next) {
    Setup& s = setup();
    LineVotes votes;
    VoteGridLines(s.photo, s.angles, votes, s.port, s.noAbort);
    const std::optional<BoardGrid> found = FindGrid(votes, s.angles, s.photo.size());
    if (!found) return state.SkipWithError("no grid");
    GameState grid;
    grid.setGrid(*found);
    const std::optional<FollowedGrid> start = StartFollowing(s.photo, grid);
    if (!start) return state.SkipWithError("no lines");
    for (auto _ : state) {
        GameState followedState = grid;
        FollowedGrid followed = *start;
        benchmark::DoNotOptimize(FollowGrid(next, followedState, followed));
    }
}

void BM_FollowStillCamera(benchmark::State& state) { followOnto(state, setup().still); }
BENCHMARK(BM_FollowStillCamera)->Unit(benchmark::kMillisecond);

void BM_FollowKnockedCamera(benchmark::State& state) { followOnto(state, setup().knocked); }
BENCHMARK(BM_FollowKnockedCamera)->Unit(benchmark::kMillisecond);

}  // namespace
