#pragma once

#include <numeric>
#include <vector>

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
