#pragma once

#include <array>

// Number of angle steps of the line voting: 720 steps of 0.25 degrees.
inline constexpr int kAngleSteps = 720;

// Cosine and sine tables of the line voting. Angle index t stands for
// a(t) = t * pi / 720 - pi / 4, from -45 degrees up to 134.75 degrees.
// CosTable(t) = cos a(t). SinTable is CosTable reversed, so SinTable(t) is
// the sine of a(t + 1), one step above t; the line voting uses it as the
// sine of angle t, and the detected lines are defined by that pairing.
struct AngleTables {
    std::array<float, kAngleSteps> CosTable{};
    std::array<float, kAngleSteps> SinTable{};
};

void FillAngleTables(AngleTables& tables);
