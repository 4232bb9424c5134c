#include "util/LinearSolve.h"

#include <cmath>
#include <cstddef>
#include <utility>

std::optional<std::vector<double>> SolveLinear(std::vector<double> a, std::vector<double> b) {
    const std::size_t n = b.size();
    constexpr double kSmallestPivot = 1e-12;
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < n; ++r)
            if (std::fabs(a[r * n + c]) > std::fabs(a[pivot * n + c])) pivot = r;
        if (std::fabs(a[pivot * n + c]) < kSmallestPivot) return std::nullopt;
        if (pivot != c) {
            for (std::size_t k = 0; k < n; ++k) std::swap(a[c * n + k], a[pivot * n + k]);
            std::swap(b[c], b[pivot]);
        }
        for (std::size_t r = c + 1; r < n; ++r) {
            const double factor = a[r * n + c] / a[c * n + c];
            for (std::size_t k = c; k < n; ++k) a[r * n + k] -= factor * a[c * n + k];
            b[r] -= factor * b[c];
        }
    }
    std::vector<double> x(n);
    for (std::size_t r = n; r-- > 0;) {
        double sum = b[r];
        for (std::size_t k = r + 1; k < n; ++k) sum -= a[r * n + k] * x[k];
        x[r] = sum / a[r * n + r];
    }
    return x;
}
