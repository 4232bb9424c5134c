#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// A Go board that knows the rules: captures, no suicide, no immediate ko
// recapture. Tests use it to make up legal games and to know their final
// position independently of the program.
class GoBoard {
public:
    explicit GoBoard(int size) : size_(size), points_(size * size, 0) {}

    int size() const { return size_; }
    // kBlack, kWhite or kEmpty at column x (from the left), row y (from the top).
    int at(int x, int y) const { return points_[x + y * size_]; }
    // Plays a stone if the rules allow it; returns whether it was played.
    bool play(int colour, int x, int y);
    // The position, one line per row from the top: "X" black, "O" white, "." empty.
    QString diagram() const;

private:
    std::vector<int> group(int x, int y) const;
    bool hasLiberty(const std::vector<int>& stones) const;
    std::vector<int> neighbours(int index) const;

    int size_;
    std::vector<int> points_;
    int koPoint_ = -1;
};

// One move of a made-up game: a stone at (x, y), or a pass.
struct GameMove {
    int colour = 0;
    bool pass = false;
    int x = 0;
    int y = 0;
};

// A legal game of the given number of moves, Black first, players taking
// turns; about one move in thirty is a pass. The board is left in its final
// position.
std::vector<GameMove> RandomGame(GoBoard& board, int moves, std::uint32_t seed);
