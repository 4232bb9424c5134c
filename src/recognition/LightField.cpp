#include "recognition/LightField.h"

#include <algorithm>
#include <cmath>

#include "util/Median.h"

namespace {

// Below this many board points only a constant gain is fitted.
constexpr int kPointsForShape = 24;
constexpr int kRounds = 4;
// Residuals beyond this many robust deviations get no weight (Tukey).
constexpr double kCutoff = 4.0;
// The spread of a residual never counts as less than this (1.5%): a JPEG's
// rounding alone gives as much.
constexpr double kLeastSpread = 0.015;

double channel(const PointLook& look, int c) {
    const float values[3] = {look.red, look.green, look.blue};
    return std::max(1.0f, values[c]);
}

// Solves the n x n system a x = b in place by Gaussian elimination with
// partial pivoting; false when it is singular.
template <std::size_t N>
bool solve(std::array<std::array<double, N>, N>& a, std::array<double, N>& b) {
    for (std::size_t col = 0; col < N; ++col) {
        std::size_t pivot = col;
        for (std::size_t row = col + 1; row < N; ++row) {
            if (std::abs(a[row][col]) > std::abs(a[pivot][col])) pivot = row;
        }
        if (std::abs(a[pivot][col]) < 1e-9) return false;
        std::swap(a[col], a[pivot]);
        std::swap(b[col], b[pivot]);
        for (std::size_t row = 0; row < N; ++row) {
            if (row == col) continue;
            const double factor = a[row][col] / a[col][col];
            for (std::size_t k = col; k < N; ++k) a[row][k] -= factor * a[col][k];
            b[row] -= factor * b[col];
        }
    }
    for (std::size_t k = 0; k < N; ++k) b[k] /= a[k][k];
    return true;
}

double tukeyWeight(double residual, double spread) {
    const double r = residual / (kCutoff * spread);
    return std::abs(r) >= 1 ? 0 : (1 - r * r) * (1 - r * r);
}

}  // namespace

LightField::Terms LightField::terms(double i, double j) const {
    const double u = 2 * i / gridMax_ - 1;
    const double v = 2 * j / gridMax_ - 1;
    return {1, u, v, u * u, u * v, v * v};
}

double LightField::logGain(int c, double i, double j) const {
    const Terms t = terms(i, j);
    double sum = 0;
    for (int k = 0; k < kTerms; ++k) sum += coefficients_[c][k] * t[k];
    return sum;
}

LightField LightField::Fit(const std::vector<Sample>& samples, int gridMax) {
    LightField field;
    field.gridMax_ = std::max(1, gridMax);
    if (samples.empty()) return field;
    const int used = static_cast<int>(samples.size()) >= kPointsForShape ? kTerms : 1;
    for (int c = 0; c < 3; ++c) {
        std::vector<double> observed;
        for (const Sample& s : samples)
            observed.push_back(std::log(channel(s.now, c) / channel(s.empty, c)));
        Terms& fit = field.coefficients_[c];
        fit = {Median(observed), 0, 0, 0, 0, 0};
        for (int round = 0; round < kRounds; ++round) {
            std::vector<double> residuals;
            std::vector<double> sizes;
            for (std::size_t k = 0; k < samples.size(); ++k) {
                residuals.push_back(observed[k] - field.logGain(c, samples[k].i, samples[k].j));
                sizes.push_back(std::abs(residuals.back()));
            }
            const double spread = std::max(kLeastSpread, 1.4826 * Median(sizes));
            std::array<std::array<double, kTerms>, kTerms> normal{};
            Terms right{};
            for (std::size_t k = 0; k < samples.size(); ++k) {
                const double w = tukeyWeight(residuals[k], spread);
                const Terms t = field.terms(samples[k].i, samples[k].j);
                for (int a = 0; a < used; ++a) {
                    right[a] += w * t[a] * observed[k];
                    for (int b = 0; b < used; ++b) normal[a][b] += w * t[a] * t[b];
                }
            }
            for (int a = used; a < kTerms; ++a) normal[a][a] = 1;  // unused terms stay 0
            if (!solve(normal, right)) break;
            fit = right;
        }
    }
    return field;
}

PointLook LightField::scaled(const PointLook& look, double i, double j, double power) const {
    const auto scale = [&](float value, int c) {
        return static_cast<float>(value * std::exp(power * logGain(c, i, j)));
    };
    return {scale(look.red, 0), scale(look.green, 1), scale(look.blue, 2)};
}

PointLook LightField::Undo(const PointLook& look, double i, double j) const {
    return scaled(look, i, j, -1);
}

PointLook LightField::Apply(const PointLook& look, double i, double j) const {
    return scaled(look, i, j, 1);
}
