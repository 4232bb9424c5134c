#pragma once

#include <array>
#include <vector>

#include "recognition/PointLooks.h"

// How the light of a photograph differs from the light of the empty board:
// a gain per colour channel that varies smoothly over the board (auto
// exposure and white balance shift it as a whole, a cloud or a lamp by
// region). The log of each gain is a quadratic in the board coordinates.
class LightField {
public:
    // No change: every gain 1.
    LightField() = default;

    // A place expected to show the bare board: where it lies, in grid lines
    // (halves between them), and its look now and on the empty board.
    struct Sample {
        double i = 0;
        double j = 0;
        PointLook now;
        PointLook empty;
    };

    // Fits the field to the samples. Samples that do not fit (a new stone,
    // a hand) are weighted out as the fit goes on; with too few samples the
    // gain is the same everywhere.
    static LightField Fit(const std::vector<Sample>& samples, int gridMax);

    // The look a point of the photograph would have under the light of the
    // empty board; (i, j) in grid lines, halves between them.
    PointLook Undo(const PointLook& look, double i, double j) const;
    // The other way: the look under this photograph's light.
    PointLook Apply(const PointLook& look, double i, double j) const;

private:
    static constexpr int kTerms = 6;  // 1, u, v, u², uv, v²
    using Terms = std::array<double, kTerms>;

    Terms terms(double i, double j) const;
    double logGain(int channel, double i, double j) const;
    PointLook scaled(const PointLook& look, double i, double j, double power) const;

    int gridMax_ = 1;
    std::array<Terms, 3> coefficients_{};  // red, green, blue
};
