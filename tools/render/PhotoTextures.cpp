#include "render/PhotoTextures.h"

#include <algorithm>
#include <cmath>

namespace {

double Smooth(double t) { return t * t * (3 - 2 * t); }

double Blend(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace

double Uniform(std::mt19937& random) { return random() / 4294967296.0; }

int ColourChannel(double value) { return std::clamp(static_cast<int>(value + 0.5), 0, 255); }

ValueNoise::ValueNoise(std::mt19937& random) : values_(kCells * kCells) {
    for (float& value : values_) value = static_cast<float>(Uniform(random));
}

double ValueNoise::at(double x, double y) const {
    const double x0 = std::floor(x);
    const double y0 = std::floor(y);
    const int i = static_cast<int>(x0);
    const int j = static_cast<int>(y0);
    const double tx = Smooth(x - x0);
    const double ty = Smooth(y - y0);
    const double top = Blend(lattice(i, j), lattice(i + 1, j), tx);
    const double bottom = Blend(lattice(i, j + 1), lattice(i + 1, j + 1), tx);
    return Blend(top, bottom, ty);
}

QImage WoodTexture(QSize size, const WoodLook& look, std::mt19937& random) {
    const ValueNoise noise(random);
    QImage wood(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(wood.scanLine(y));
        const double t = static_cast<double>(y) / size.height();
        for (int x = 0; x < size.width(); ++x) {
            const double s = static_cast<double>(x) / size.width();
            // Grain lines wander sideways along their length and lie unevenly.
            const double u = s * look.grainLines + 8 * noise.at(5 * s, 2 * t + 50) +
                             0.6 * noise.at(12 * s, 6 * t + 80);
            // Each line is a soft darker streak, as a camera sees fine grain,
            // stronger in some places than in others.
            const double across = std::sin(M_PI * (u - std::floor(u)));
            const double fade = std::pow(across, 8);
            const double line = fade * noise.at(0.7 * u + 100, 3 * t);
            const double band = noise.at(0.15 * u + 150, 0.7 * t);
            const double fibre = noise.at(5 * u + 200, 40 * t) - 0.5;
            const double streak = look.grainContrast * (0.7 * line + 0.3 * band + 0.15 * fibre);
            // Large patches of slightly lighter or darker wood.
            const double tone = 1 + 0.12 * (noise.at(2 * s + 150, 2 * t + 150) - 0.5);
            // Darker streaks turn redder rather than grey.
            row[x] = qRgb(ColourChannel(look.colour.red() * tone * (1 - 0.7 * streak)),
                          ColourChannel(look.colour.green() * tone * (1 - 0.9 * streak)),
                          ColourChannel(look.colour.blue() * tone * (1 - 1.1 * streak)));
        }
    }
    return wood;
}

QImage ClothTexture(QSize size, const ClothLook& look, std::mt19937& random) {
    const ValueNoise noise(random);
    const double angle = M_PI * Uniform(random);
    QImage cloth(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(cloth.scanLine(y));
        const double t = static_cast<double>(y) / size.height();
        for (int x = 0; x < size.width(); ++x) {
            const double s = static_cast<double>(x) / size.width();
            // Folds run along one direction and wander a little; the light
            // falls on one flank of each and leaves the other in shade.
            const double across = s * std::cos(angle) + t * std::sin(angle);
            const double along = t * std::cos(angle) - s * std::sin(angle);
            const auto height = [&](double u) {
                const double bend = noise.at(2 * along + 40, 2 * u + 40);
                return noise.at(look.foldsAcross * u + bend, 0.25 * look.foldsAcross * along + 20);
            };
            const double step = 0.05 / look.foldsAcross;  // a twentieth of a fold
            const double slope = (height(across + step) - height(across - step)) / 0.1;
            const double fold = look.folds * (0.3 * (height(across) - 0.5) + 0.2 * slope);
            const double fibre = look.fibre * (Uniform(random) - 0.5);
            const double tone = 1 + fold + fibre;
            row[x] = qRgb(ColourChannel(look.colour.red() * tone),
                          ColourChannel(look.colour.green() * tone),
                          ColourChannel(look.colour.blue() * tone));
        }
    }
    return cloth;
}
