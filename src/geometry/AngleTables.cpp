#include "geometry/AngleTables.h"

#include <cmath>

void FillAngleTables(AngleTables& tables) {
    // pi in single precision, as the angles of the voting are defined with it.
    constexpr double kPi = static_cast<double>(3.1415927f);
    for (int t = 0; t < kAngleSteps; ++t) {
        const double angle = t * kPi / kAngleSteps - kPi / 4;
        tables.CosTable[t] = static_cast<float>(std::cos(angle));
        tables.SinTable[kAngleSteps - 1 - t] = tables.CosTable[t];
    }
}
