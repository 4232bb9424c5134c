#pragma once

class QColor;
class QImage;

// A colour value as the program keeps colours: red + 256 * green + 65536 * blue.
// Splits it into its three bytes; only the low 24 bits count, so -1 (a point
// outside a picture) gives white.
void SplitColour(int colour, int& red, int& green, int& blue);

// The same colour for drawing.
QColor ColourOfValue(int colour);

// Colour statistics of a 15 x 15 pixel window, the evidence the stone
// classification rests on.
struct ColourStats {
    // Channel means, rounded down.
    int meanRed = 0;
    int meanGreen = 0;
    int meanBlue = 0;
    // Plain mean of all channels of all pixels.
    float luminance = 0;
    // How far the channel means lie from the luminance: the board is
    // coloured, stones are grey.
    float saturation = 0;
    float distanceWhite = 0;
    float distanceBlack = 0;
};

// Windows this saturated or more show the board, not a stone.
inline constexpr float kEmptySaturation = 48.0f;

// Half the side of the sampling window.
inline constexpr int kWindowReach = 7;

// How far above an intersection its window is centred: a stone seen from
// the camera shows best there.
inline constexpr int kWindowLift = 5;

// The picture in a 32-bit format whose pixels can be read directly: the
// picture itself when it is one already, otherwise a converted copy.
QImage AsRgb32(const QImage& picture);

// Statistics of the window centred on pixel (x, y). Pixels outside the
// picture count as white. Fastest on a picture AsRgb32 returns unchanged.
ColourStats SampleWindow(const QImage& photo, int x, int y);

// The statistics of a window whose channels add up to the given sums.
ColourStats StatsFromSums(int sumRed, int sumGreen, int sumBlue);

// What a window shows: kEmpty when its colour is saturated (48 and above),
// otherwise the nearer of black and white, white on a tie.
int ClassifyWindow(const ColourStats& stats);
