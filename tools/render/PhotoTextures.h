#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <random>
#include <vector>

// A number in [0, 1) from one draw: the same sequence on every standard
// library, unlike the library's own distributions.
double Uniform(std::mt19937& random);

// A colour channel from a computed value: rounded and held to 0 ... 255.
int ColourChannel(double value);

// Smooth random values between 0 and 1 on a square lattice of whole-number
// points, blended in between; the pattern repeats every 128 units.
class ValueNoise {
public:
    explicit ValueNoise(std::mt19937& random);
    double at(double x, double y) const;

private:
    static constexpr int kCells = 128;  // small enough to stay in the cache

    double lattice(int x, int y) const {
        return values_[(x & (kCells - 1)) + (y & (kCells - 1)) * kCells];
    }

    std::vector<float> values_;
};

// What a piece of wood looks like.
struct WoodLook {
    QColor colour;         // its mean colour
    double grainLines;     // grain streaks across the texture's width
    double grainContrast;  // how much darker the streaks are, 0 ... 1
};

// Wood with its grain running from top to bottom.
QImage WoodTexture(QSize size, const WoodLook& look, std::mt19937& random);

// What a cloth on the table looks like.
struct ClothLook {
    QColor colour;       // its mean colour
    double foldsAcross;  // soft folds across the texture's width
    double folds;        // how much they lighten and darken it, 0 ... 1
    double fibre;        // how much neighbouring texels differ, 0 ... 1
};

// Cloth lying in soft folds, with fine noise from its fibres.
QImage ClothTexture(QSize size, const ClothLook& look, std::mt19937& random);
