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
