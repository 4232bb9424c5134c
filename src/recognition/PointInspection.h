#pragma once

#include <QString>

class QImage;
struct GameState;

// What the classifier sees at a point of the photograph, as the analysis
// window shows it to the user: whole numbers, rounded to the nearest (ties
// to even), and the verdict.
struct PointAnalysis {
    // Weighted as the eye sees brightness (0.299 red, 0.587 green, 0.114 blue).
    int luminance = 0;
    int meanRed = 0;
    int meanGreen = 0;
    int meanBlue = 0;
    int saturation = 0;
    int distanceBlack = 0;
    int distanceWhite = 0;
    // "Goban" when the saturation (before rounding) is 48 or more, otherwise
    // "Pietra NERA" or "Pietra BIANCA". Unlike the classifier, it compares
    // the distances as shown, after rounding, and calls a tie black.
    QString verdict;
};

// The 15 x 15 window centred on pixel (x, y) of the photograph.
PointAnalysis AnalysePoint(const QImage& photo, int x, int y);

struct CalibratedReading;

// What the reading against the game's empty board saw at an intersection,
// as the analysis window shows it: whole numbers, percentages rounded to
// the nearest (ties to even).
struct CalibratedAnalysis {
    // The empty board's look and the photograph's, its light taken out.
    int emptyRed = 0;
    int emptyGreen = 0;
    int emptyBlue = 0;
    int seenRed = 0;
    int seenGreen = 0;
    int seenBlue = 0;
    // How much brighter the point is than on the empty board, in percent
    // (-62: darker, 48: brighter), and how much of the board's colour it
    // lost (0 ... 100, more for a colour across from it).
    int brightness = 0;
    int greyness = 0;
    // Where this photograph's stones begin, in the same percent: a black
    // stone below blackLimit (negative), a white one above whiteLimit.
    int blackLimit = 0;
    int whiteLimit = 0;
    // "Goban", "Pietra NERA" or "Pietra BIANCA", followed by " (incerto)"
    // when the point was not clear and kept its reading of the photograph
    // before.
    QString verdict;
};

CalibratedAnalysis AnalyseCalibratedPoint(const CalibratedReading& reading, int i, int j);

// An intersection of the grid and its distance from a point.
struct NearestIntersection {
    int i = 0;
    int j = 0;
    float distance = 0;
};

// The intersection nearest to (x, y) in scan order (i outer, j inner), the
// first one on equal distances. Distances start from searchStart, which
// must be larger than any distance on the photograph.
NearestIntersection FindNearestIntersection(const GameState& state, int x, int y,
                                            float searchStart);

// What the verdict adds about the place of (x, y): " (D4)" when it lies
// within half the local grid spacing of that intersection, " (Esterno)"
// when it lies farther from every one, "" while no grid is known.
QString IntersectionSuffix(const GameState& state, int x, int y, float searchStart);
