#include "recognition/IntervalWatch.h"

namespace {

std::vector<int> positionRead(const GameState& state) {
    std::vector<int> position;
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j)
            position.push_back(state.Positions(i, j, state.MoveCount));
    }
    return position;
}

}  // namespace

IntervalWatch::Verdict IntervalWatch::judge(const GameState& state, const PositionChanges& changes,
                                            bool covered, bool last) {
    // A photograph not read leaves the row of photographs as it was.
    if (covered) return Verdict::Nothing;
    if (changes.unchanged()) {
        unsettled_.clear();
        return Verdict::Nothing;
    }
    std::vector<int> position = positionRead(state);
    if (last || position == unsettled_) {
        unsettled_.clear();
        return Verdict::Settled;
    }
    unsettled_ = std::move(position);
    return Verdict::Unsettled;
}
