#pragma once

#include <optional>
#include <vector>

// One candidate grid line in the work votes: offset index and angle index.
struct FamilyLine {
    int offset = 0;
    int angle = 0;
};

// The lines of one family (roughly parallel grid lines), ordered by offset.
using Family = std::vector<FamilyLine>;

// Marks a removed line, or a median that cannot be used.
inline constexpr float kNoRatio = -1000.0f;

// Under perspective the spacing of neighbouring lines changes by a nearly
// constant factor. ratios[k] (k = 1 ... n - 2) is the log of the spacing
// after line k over the spacing before it, ratios[0] their median (kNoRatio
// for fewer than 3 lines). Lines are compared as (offset, angle) points.
// std::nullopt when two lines coincide (a ratio of zero or infinity).
std::optional<std::vector<float>> SpacingRatios(const Family& family);

// Removes spurious lines: where the ratios jump away from the median and
// come back within four lines, the lines in between are taken out. Returns
// the ratios of the cleaned family, std::nullopt when they cannot be formed.
std::optional<std::vector<float>> CleanFamily(Family& family);

// The best run of gridMax + 1 lines: window w stands for lines w - 1 ...
// w + gridMax - 1, its deviation is the largest distance of its ratios from
// the median. firstWindow is 0 when the family has no run that long.
struct GridRun {
    int firstWindow = 0;
    float deviation = 0.0f;
};
GridRun BestRun(const std::vector<float>& ratios, int lineCount, int gridMax);
