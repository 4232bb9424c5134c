#pragma once

#include <vector>

#include "geometry/AngleTables.h"

// Votes for straight lines: one cell per offset index (row) and angle index
// (0 ... kAngleSteps - 1), all zero when created. The angles of one offset
// lie side by side in memory.
class VoteTable {
public:
    VoteTable() = default;
    explicit VoteTable(int rows)
        : rows_(rows), cells_(static_cast<std::size_t>(rows) * kAngleSteps) {}

    int rows() const { return rows_; }
    bool contains(int offset) const { return offset >= 0 && offset < rows_; }

    int& operator()(int offset, int angle) { return cells_[index(offset, angle)]; }
    int operator()(int offset, int angle) const { return cells_[index(offset, angle)]; }

    bool operator==(const VoteTable&) const = default;

private:
    static std::size_t index(int offset, int angle) {
        return static_cast<std::size_t>(offset) * kAngleSteps + angle;
    }

    int rows_ = 0;
    std::vector<int> cells_;
};

// The line votes of a photograph: its diagonal in pixels and the votes over
// the offset indices 0 ... HoughDiagonal + 2. Offset index = signed offset
// from the photograph's centre + HoughDiagonal / 2 + 2.
struct LineVotes {
    int HoughDiagonal = 0;
    VoteTable HoughVotes;
};
