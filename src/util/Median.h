#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// The middle value of the values (the upper of the two middle ones for an
// even count): {3, 1, 2} -> 2, {4, 1, 3, 2} -> 3; 0 for none.
template <typename T>
T Median(std::vector<T> values) {
    if (values.empty()) return T{};
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}
