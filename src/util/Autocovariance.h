#pragma once

#include <algorithm>
#include <numeric>
#include <vector>

#include "util/Numbers.h"

// The profile's autocovariance at each lag from 0 to longest: how much it
// repeats itself that far on, growing with the strength of what repeats, not
// only with how regularly something does. 0 for lags the profile is too short for.
inline std::vector<double> Autocovariance(const std::vector<double>& profile, int longest) {
    const int n = static_cast<int>(profile.size());
    std::vector<double> result(longest + 1, 0.0);
    if (n == 0) return result;
    const double mean = std::accumulate(profile.begin(), profile.end(), 0.0) / n;
    for (int lag = 0; lag <= longest && lag < n; ++lag) {
        double sum = 0;
        for (int t = 0; t + lag < n; ++t) sum += (profile[t] - mean) * (profile[t + lag] - mean);
        result[lag] = sum / (n - lag);
    }
    return result;
}

// A lag at which an autocovariance peaks, refined between its neighbours,
// and how high it peaks.
struct RepeatPeak {
    double lag = 0;
    double height = 0;
};

// The peaks of the autocovariance from lag shortest to longest (both at
// least 1 from its ends) that reach `share` of its highest there, shortest
// first; none when nothing there repeats.
inline std::vector<RepeatPeak> RepeatPeaks(const std::vector<double>& repeat, int shortest,
                                           int longest, double share) {
    const double highest =
        *std::max_element(repeat.begin() + shortest, repeat.begin() + longest + 1);
    std::vector<RepeatPeak> peaks;
    if (highest <= 0) return peaks;
    for (int lag = shortest; lag <= longest; ++lag) {
        const double left = repeat[lag - 1], mid = repeat[lag], right = repeat[lag + 1];
        if (mid < share * highest || mid < left || mid <= right) continue;
        peaks.push_back({lag + parabolaPeak(left, mid, right), mid});
    }
    return peaks;
}
