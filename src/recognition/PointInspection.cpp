#include "recognition/PointInspection.h"

#include <QImage>
#include <cmath>

#include "game/GameState.h"
#include "game/MoveText.h"
#include "recognition/CalibratedReading.h"
#include "recognition/Classification.h"
#include "recognition/ColourWindow.h"
#include "util/Geometry.h"
#include "util/Numbers.h"

namespace {

int rounded(double value) { return static_cast<int>(roundHalfEven(value)); }

QString verdictFor(float saturation, int distanceWhite, int distanceBlack) {
    if (saturation >= kEmptySaturation) return QStringLiteral("Goban");
    return distanceWhite >= distanceBlack ? QStringLiteral("Pietra NERA")
                                          : QStringLiteral("Pietra BIANCA");
}

QString verdictName(int value) {
    if (value == kBlack) return QStringLiteral("Pietra NERA");
    if (value == kWhite) return QStringLiteral("Pietra BIANCA");
    return QStringLiteral("Goban");
}

// A change in the log of the luminance as a percentage of brightness.
int percentOf(float logChange) { return rounded(100 * std::expm1(double(logChange))); }

bool gridKnown(const GameState& state) {
    const int centre = state.GridMax / 2;
    return state.GridMax > 0 && state.GridPoints(centre, centre, 0) > 0;
}

}  // namespace

PointAnalysis AnalysePoint(const QImage& photo, int x, int y) {
    const ColourStats stats = SampleWindow(photo, x, y);
    PointAnalysis analysis;
    analysis.meanRed = stats.meanRed;
    analysis.meanGreen = stats.meanGreen;
    analysis.meanBlue = stats.meanBlue;
    analysis.luminance =
        rounded(0.299 * stats.meanRed + 0.587 * stats.meanGreen + 0.114 * stats.meanBlue);
    analysis.saturation = rounded(stats.saturation);
    analysis.distanceWhite = rounded(stats.distanceWhite);
    analysis.distanceBlack = rounded(stats.distanceBlack);
    analysis.verdict = verdictFor(stats.saturation, analysis.distanceWhite, analysis.distanceBlack);
    return analysis;
}

CalibratedAnalysis AnalyseCalibratedPoint(const CalibratedReading& reading, int i, int j) {
    const PointReading& p = reading.points[LookIndex(i, j)];
    CalibratedAnalysis analysis;
    analysis.emptyRed = rounded(p.empty.red);
    analysis.emptyGreen = rounded(p.empty.green);
    analysis.emptyBlue = rounded(p.empty.blue);
    analysis.seenRed = rounded(p.seen.red);
    analysis.seenGreen = rounded(p.seen.green);
    analysis.seenBlue = rounded(p.seen.blue);
    analysis.brightness = percentOf(p.change);
    analysis.greyness = rounded(100.0 * p.greyness);
    analysis.blackLimit = percentOf(-reading.limits.blackStone);
    analysis.whiteLimit = percentOf(reading.limits.whiteStone);
    analysis.verdict = verdictName(p.verdict);
    if (p.kept) analysis.verdict += QStringLiteral(" (incerto)");
    return analysis;
}

NearestIntersection FindNearestIntersection(const GameState& state, int x, int y,
                                            float searchStart) {
    NearestIntersection nearest{0, 0, searchStart};
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) {
            const float distance = PointDistance(static_cast<float>(x), static_cast<float>(y),
                                                 static_cast<float>(state.GridPoints(i, j, 0)),
                                                 static_cast<float>(state.GridPoints(i, j, 1)));
            if (distance < nearest.distance) nearest = {i, j, distance};
        }
    }
    return nearest;
}

QString IntersectionSuffix(const GameState& state, int x, int y, float searchStart) {
    if (!gridKnown(state)) return QString();
    const NearestIntersection nearest = FindNearestIntersection(state, x, y, searchStart);
    if (nearest.distance > DimensionePietra(state, nearest.i, nearest.j) / 2)
        return QStringLiteral(" (Esterno)");
    return QStringLiteral(" (") + PointName(nearest.i, nearest.j, state.BoardSize) +
           QLatin1Char(')');
}
