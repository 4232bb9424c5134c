#include "recognition/LightField.h"

#include <algorithm>
#include <cmath>
#include <opencv2/core.hpp>

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
            cv::Matx<double, kTerms, kTerms> normal;
            cv::Vec<double, kTerms> right;
            for (std::size_t k = 0; k < samples.size(); ++k) {
                const double w = tukeyWeight(residuals[k], spread);
                const Terms t = field.terms(samples[k].i, samples[k].j);
                for (int a = 0; a < used; ++a) {
                    right[a] += w * t[a] * observed[k];
                    for (int b = 0; b < used; ++b) normal(a, b) += w * t[a] * t[b];
                }
            }
            for (int a = used; a < kTerms; ++a) normal(a, a) = 1;  // unused terms stay 0
            cv::Mat solution;
            if (!cv::solve(cv::Mat(normal), cv::Mat(right), solution, cv::DECOMP_LU)) break;
            std::copy(solution.begin<double>(), solution.end<double>(), fit.begin());
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
