#pragma once

#include <optional>
#include <vector>

// Solves a x = b for a square system of n equations, a given row by row
// (n * n values), by Gaussian elimination with partial pivoting.
// std::nullopt when the system is singular or nearly so.
std::optional<std::vector<double>> SolveLinear(std::vector<double> a, std::vector<double> b);
