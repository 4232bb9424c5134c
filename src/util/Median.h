#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

// The value the given share of the way through the values sorted
// ({3, 1, 2}: 0 -> 1, 0.5 -> 2, 1 -> 3); 0 for none.
template <typename T>
T Quantile(std::vector<T> values, double share) {
    if (values.empty()) return T{};
    const auto index = std::min(values.size() - 1, static_cast<std::size_t>(share * values.size()));
    const auto at = values.begin() + static_cast<std::ptrdiff_t>(index);
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

// The middle value of the values (the upper of the two middle ones for an
// even count): {3, 1, 2} -> 2, {4, 1, 3, 2} -> 3; 0 for none.
template <typename T>
T Median(std::vector<T> values) {
    return Quantile(std::move(values), 0.5);
}
