#pragma once

#include <cassert>
#include <cstddef>
#include <vector>

// A table with fixed bounds, indexed as table(i, j) or table(i, j, k) from 0.
// The first index varies fastest in memory, so one (·, ·, k) plane of a
// three-index table is a contiguous block. An index outside the bounds is a
// bug and stops debug builds.
template <typename T, int N1, int N2, int N3 = 1>
class FixedTable {
public:
    FixedTable() : cells_(static_cast<std::size_t>(N1) * N2 * N3) {}

    T& operator()(int i, int j, int k = 0) { return cells_[offset(i, j, k)]; }
    const T& operator()(int i, int j, int k = 0) const { return cells_[offset(i, j, k)]; }
    bool operator==(const FixedTable& other) const { return cells_ == other.cells_; }

private:
    static std::size_t offset(int i, int j, int k) {
        assert(i >= 0 && i < N1 && j >= 0 && j < N2 && k >= 0 && k < N3);
        return (static_cast<std::size_t>(k) * N2 + j) * N1 + i;
    }

    std::vector<T> cells_;
};
