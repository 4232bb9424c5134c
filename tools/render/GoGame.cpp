#include "render/GoGame.h"

#include <algorithm>
#include <random>

#include "game/GameState.h"

std::vector<int> GoBoard::neighbours(int index) const {
    const int x = index % size_;
    const int y = index / size_;
    std::vector<int> around;
    if (x > 0) around.push_back(index - 1);
    if (x < size_ - 1) around.push_back(index + 1);
    if (y > 0) around.push_back(index - size_);
    if (y < size_ - 1) around.push_back(index + size_);
    return around;
}

std::vector<int> GoBoard::group(int x, int y) const {
    const int colour = at(x, y);
    std::vector<int> stones{x + y * size_};
    for (std::size_t k = 0; k < stones.size(); ++k) {
        for (int next : neighbours(stones[k])) {
            if (points_[next] == colour && std::find(stones.begin(), stones.end(), next) == stones.end())
                stones.push_back(next);
        }
    }
    return stones;
}

bool GoBoard::hasLiberty(const std::vector<int>& stones) const {
    for (int stone : stones) {
        for (int next : neighbours(stone)) {
            if (points_[next] == kEmpty) return true;
        }
    }
    return false;
}

bool GoBoard::play(int colour, int x, int y) {
    const int index = x + y * size_;
    if (points_[index] != kEmpty || index == koPoint_) return false;
    const std::vector<int> before = points_;
    points_[index] = colour;
    std::vector<int> captured;
    for (int next : neighbours(index)) {
        if (points_[next] != -colour) continue;
        const std::vector<int> enemy = group(next % size_, next / size_);
        if (hasLiberty(enemy)) continue;
        for (int stone : enemy) points_[stone] = kEmpty;
        captured.insert(captured.end(), enemy.begin(), enemy.end());
    }
    if (!hasLiberty(group(x, y))) {
        points_ = before;  // suicide
        return false;
    }
    const bool single = captured.size() == 1 && group(x, y).size() == 1;
    koPoint_ = single ? captured.front() : -1;
    return true;
}

QString GoBoard::diagram() const {
    QString text;
    for (int y = 0; y < size_; ++y) {
        for (int x = 0; x < size_; ++x)
            text += at(x, y) == kBlack ? u'X' : at(x, y) == kWhite ? u'O' : u'.';
        text += u'\n';
    }
    return text;
}

std::vector<GameMove> RandomGame(GoBoard& board, int moves, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<GameMove> game;
    int colour = kBlack;
    const int n = board.size();
    while (static_cast<int>(game.size()) < moves) {
        GameMove move{colour, true, 0, 0};
        if (random() % 30 != 0) {
            // A few tries at a random point; a pass when none is legal.
            for (int attempt = 0; attempt < 50 && move.pass; ++attempt) {
                const int x = static_cast<int>(random() % n);
                const int y = static_cast<int>(random() % n);
                if (board.play(colour, x, y)) move = {colour, false, x, y};
            }
        }
        game.push_back(move);
        colour = -colour;
    }
    return game;
}
