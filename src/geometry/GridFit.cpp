#include "geometry/GridFit.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "game/GameState.h"
#include "util/Median.h"
#include "util/Numbers.h"

namespace {

// Below this a response is the wood's grain or the sensor's noise.
constexpr int kWeakestLine = 6;
// The reach of the last, finest search, in grid spacings.
constexpr double kFinestReach = 0.1;

// A place to look for a line of the frame: a point on it between two
// intersections, the unit vector across it and the grid spacing there.
struct Probe {
    QPointF at;
    QPointF across;
    double spacing = 0;
    bool column = true;
    double line = 0;
};

double length(QPointF p) { return std::hypot(p.x(), p.y()); }

// The distance from a line to the points beside it that its response
// compares it with: past the widest printed line, within the cell.
int sideFor(double spacing) { return std::max(2, static_cast<int>(std::lround(0.2 * spacing))); }

QPointF framePoint(const GridFrame& frame, bool column, double line, double along) {
    return column ? frame.toPhoto.map(line, along) : frame.toPhoto.map(along, line);
}

Probe probeAt(const GridFrame& frame, bool column, double line, double along) {
    const QPointF across =
        framePoint(frame, column, line + 0.5, along) - framePoint(frame, column, line - 0.5, along);
    const double spacing = length(across);
    return {framePoint(frame, column, line, along), spacing > 0 ? across / spacing : QPointF(1, 0),
            spacing, column, line};
}

// perSegment probes evenly between each two intersections of the line;
// stones sit on the intersections and leave the middles the most visible.
void addProbesAlong(const GridFrame& frame, bool column, int line, int perSegment,
                    std::vector<Probe>& probes) {
    const int first = column ? frame.firstRow : frame.firstColumn;
    const int last = column ? frame.lastRow : frame.lastColumn;
    for (int segment = first; segment < last; ++segment) {
        for (int k = 1; k <= perSegment; ++k)
            probes.push_back(
                probeAt(frame, column, line, segment + static_cast<double>(k) / (perSegment + 1)));
    }
}

std::vector<Probe> frameProbes(const GridFrame& frame, int perSegment) {
    std::vector<Probe> probes;
    for (int u = frame.firstColumn; u <= frame.lastColumn; ++u)
        addProbesAlong(frame, true, u, perSegment, probes);
    for (int v = frame.firstRow; v <= frame.lastRow; ++v)
        addProbesAlong(frame, false, v, perSegment, probes);
    return probes;
}

bool usable(const Brightness& photo, const Probe& probe) {
    constexpr double kSmallestSpacing = 4;
    return probe.spacing >= kSmallestSpacing && photo.contains(probe.at);
}

double tukeyWeight(double residual, double scale) {
    const double r = residual / scale;
    return std::fabs(r) >= 1 ? 0 : (1 - r * r) * (1 - r * r);
}

// How far a point lies from its line under the mapping, in grid spacings.
double gridResidual(const Homography& toGrid, const LinePoint& point) {
    const QPointF grid = toGrid.map(point.photo);
    return (point.column ? grid.x() : grid.y()) - point.line;
}

// Fits the mapping to the points found, weighing down in turn those that
// stand out of the fit; starts from the frame the points were found near.
std::optional<Homography> robustFit(std::vector<LinePoint>& points, const GridFrame& frame,
                                    double reach) {
    QPointF centre;
    for (const LinePoint& p : points) centre += p.photo;
    centre /= static_cast<double>(points.size());
    constexpr double kScale = 1000;
    std::optional<Homography> fit = frame.toPhoto;
    const double scales[] = {std::max(reach, 0.2), 0.2, 0.15, 0.15};
    for (double scale : scales) {
        const std::optional<Homography> toGrid = fit->inverted();
        if (!toGrid) return std::nullopt;
        for (LinePoint& p : points) p.weight = tukeyWeight(gridResidual(*toGrid, p), scale);
        fit = FitToLinePoints(points, centre, kScale);
        if (!fit) return std::nullopt;
    }
    return fit;
}

// The strongest line response within the finest reach of the probe's line;
// std::nullopt where the probe cannot be used.
std::optional<int> strongestNear(const Brightness& photo, const Probe& probe, int side) {
    if (!usable(photo, probe)) return std::nullopt;
    const int reachPixels =
        std::max(1, static_cast<int>(std::lround(kFinestReach * probe.spacing)));
    const std::vector<int> responses =
        LineResponses(photo, probe.at, probe.across, reachPixels, side);
    return *std::max_element(responses.begin(), responses.end());
}

// A fit that throws a corner farther than the search could reach went wrong.
bool staysNear(const GridFrame& before, const Homography& after, double reach) {
    for (int u : {before.firstColumn, before.lastColumn}) {
        for (int v : {before.firstRow, before.lastRow}) {
            const Probe probe = probeAt(before, true, u, v);
            if (length(after.map(u, v) - probe.at) > 2 * (reach + kFinestReach) * probe.spacing)
                return false;
        }
    }
    return true;
}

struct Search {
    std::vector<LinePoint> points;
    std::vector<int> strengths;
    int looked = 0;
};

Search searchLines(const Brightness& photo, const GridFrame& frame, double reach, int perSegment) {
    Search search;
    for (const Probe& probe : frameProbes(frame, perSegment)) {
        if (!usable(photo, probe)) continue;
        ++search.looked;
        const int reachPixels = std::max(1, static_cast<int>(std::lround(reach * probe.spacing)));
        const std::optional<LineHit> hit = NearestStrongLine(
            LineResponses(photo, probe.at, probe.across, reachPixels, sideFor(probe.spacing)),
            kWeakestLine);
        if (!hit) continue;
        search.points.push_back({probe.at + probe.across * hit->offset, probe.column,
                                 static_cast<double>(probe.line), 1});
        search.strengths.push_back(hit->response);
    }
    return search;
}

// Keeps the points whose line is at least 40% as strong as the median.
void dropFaintLines(Search& search, int strength) {
    std::vector<LinePoint> kept;
    for (std::size_t k = 0; k < search.points.size(); ++k)
        if (5 * search.strengths[k] >= 2 * strength) kept.push_back(search.points[k]);
    search.points = std::move(kept);
}

}  // namespace

double GridFrame::spacing() const {
    const double u = (firstColumn + lastColumn) / 2.0;
    const double v = (firstRow + lastRow) / 2.0;
    const QPointF step = toPhoto.map(u + 0.5, v) - toPhoto.map(u - 0.5, v);
    return std::hypot(step.x(), step.y());
}

bool GridFrame::cornersWithin(const GridFrame& other, double reach) const {
    const std::array<QPointF, 4> a = corners(), b = other.corners();
    for (std::size_t c = 0; c < a.size(); ++c) {
        const QPointF d = a[c] - b[c];
        if (std::hypot(d.x(), d.y()) > reach) return false;
    }
    return true;
}

std::optional<GridFrame> FrameOfGrid(const BoardGrid& grid) {
    const int g = grid.gridMax();
    if (g <= 0) return std::nullopt;
    auto corner = [&](int i, int j) { return QPointF(grid.points(i, j, 0), grid.points(i, j, 1)); };
    const std::optional<Homography> toPhoto =
        HomographyThrough({QPointF(0, 0), QPointF(g, 0), QPointF(g, g), QPointF(0, g)},
                          {corner(0, 0), corner(g, 0), corner(g, g), corner(0, g)});
    if (!toPhoto) return std::nullopt;
    return GridFrame{*toPhoto, 0, g, 0, g};
}

BoardGrid GridOfFrame(const GridFrame& frame) {
    BoardGrid grid;
    grid.boardSize = std::min(frame.columns(), frame.rows());
    for (int i = 0; i <= grid.gridMax(); ++i) {
        for (int j = 0; j <= grid.gridMax(); ++j) {
            const QPointF p = frame.toPhoto.map(frame.firstColumn + i, frame.firstRow + j);
            grid.points(i, j, 0) = static_cast<int>(roundHalfEven(p.x()));
            grid.points(i, j, 1) = static_cast<int>(roundHalfEven(p.y()));
        }
    }
    return grid;
}

std::optional<FrameFit> RefineFrame(const Brightness& photo, const GridFrame& frame, double reach,
                                    int probesPerSegment) {
    FrameFit fit{frame, 0, 0};
    for (double r = reach;; r = std::max(kFinestReach, r * 0.6)) {
        Search search = searchLines(photo, fit.frame, r, probesPerSegment);
        constexpr std::size_t kFewestPoints = 12;
        if (search.points.size() < kFewestPoints) return std::nullopt;
        fit.lineStrength = Median(search.strengths);
        dropFaintLines(search, fit.lineStrength);
        const std::optional<Homography> moved = robustFit(search.points, fit.frame, r);
        if (!moved || !staysNear(fit.frame, *moved, r)) return std::nullopt;
        fit.frame.toPhoto = *moved;
        if (r <= kFinestReach) {
            int onLine = 0;
            for (const LinePoint& p : search.points) onLine += p.weight > 0;
            fit.support = static_cast<double>(onLine) / search.looked;
            return fit;
        }
    }
}

double LineSupport(const Brightness& photo, const GridFrame& frame, bool column, int line,
                   int lineStrength) {
    std::vector<Probe> probes;
    addProbesAlong(frame, column, line, 3, probes);
    int looked = 0, found = 0;
    for (const Probe& probe : probes) {
        const std::optional<int> strength = strongestNear(photo, probe, sideFor(probe.spacing));
        if (!strength) continue;
        ++looked;
        found += 2 * *strength >= lineStrength;
    }
    constexpr int kFewestLooked = 6;
    return looked < kFewestLooked ? 0.0 : static_cast<double>(found) / looked;
}

std::optional<int> LineStrengthAt(const Brightness& photo, const GridFrame& frame, bool column,
                                  double line, double along) {
    const Probe probe = probeAt(frame, column, line, along);
    // Close beside the line: the gap between two white stones is a dark
    // line too when seen from inside the stones.
    return strongestNear(photo, probe,
                         std::max(2, static_cast<int>(std::lround(0.08 * probe.spacing))));
}

Homography BestMove(const Brightness& photo, const GridFrame& frame, double maxShift,
                    double maxScale) {
    std::vector<Probe> probes;
    for (const Probe& probe : frameProbes(frame, 1))
        if (usable(photo, probe)) probes.push_back(probe);
    if (probes.empty()) return {};
    std::vector<double> spacings;
    QPointF centre;
    for (const Probe& probe : probes) {
        spacings.push_back(probe.spacing);
        centre += probe.at;
    }
    centre /= static_cast<double>(probes.size());
    const double spacing = Median(spacings);
    // Steps of a sixth of a spacing: the line search afterwards reaches
    // farther than the half step a guess can be off by.
    const int step = std::max(1, static_cast<int>(spacing / 6));
    const int tolerance = (step + 1) / 2;
    const int limit = static_cast<int>(std::ceil(maxShift * spacing));
    // How far across its line each probe moves with the scale, per unit of it.
    std::vector<double> outward;
    double farthest = 0;
    for (const Probe& probe : probes) {
        const QPointF fromCentre = probe.at - centre;
        outward.push_back(fromCentre.x() * probe.across.x() + fromCentre.y() * probe.across.y());
        farthest = std::max(farthest, std::fabs(outward.back()));
    }
    // A shift moves a probe across its line by at most its length.
    const int reach = static_cast<int>(std::ceil(1.5 * limit + maxScale * farthest)) + 1;

    // Each probe's responses across its line, a line counting wherever it
    // lies within the tolerance, so that the coarse steps cannot miss it.
    std::vector<std::vector<int>> seen;
    for (const Probe& probe : probes) {
        const std::vector<int> responses =
            LineResponses(photo, probe.at, probe.across, reach, sideFor(probe.spacing));
        std::vector<int> widened(responses.size(), 0);
        for (int o = 0; o < static_cast<int>(responses.size()); ++o) {
            for (int e = std::max(0, o - tolerance);
                 e <= std::min<int>(responses.size() - 1, o + tolerance); ++e)
                widened[o] = std::max(widened[o], responses[e]);
        }
        seen.push_back(std::move(widened));
    }
    // Scale steps that move the farthest probe by about one shift step.
    const int scaleSteps =
        farthest > 0 ? static_cast<int>(std::ceil(maxScale * farthest / step)) : 0;
    Homography best;
    long long bestScore = -1;
    double bestSize = 0;
    for (int k = -scaleSteps; k <= scaleSteps; ++k) {
        const double scale = scaleSteps > 0 ? maxScale * k / scaleSteps : 0.0;
        for (int dy = -limit / step * step; dy <= limit; dy += step) {
            for (int dx = -limit / step * step; dx <= limit; dx += step) {
                long long score = 0;
                for (std::size_t n = 0; n < probes.size(); ++n) {
                    const double offset =
                        dx * probes[n].across.x() + dy * probes[n].across.y() + scale * outward[n];
                    score += seen[n][reach + static_cast<int>(std::lround(offset))];
                }
                const double size = dx * dx + dy * dy + std::pow(scale * farthest, 2);
                if (score > bestScore || (score == bestScore && size < bestSize)) {
                    bestScore = score;
                    bestSize = size;
                    best = Homography::Translation(centre.x() + dx, centre.y() + dy) *
                           Homography(cv::Matx33d(1 + scale, 0, 0, 0, 1 + scale, 0, 0, 0, 1)) *
                           Homography::Translation(-centre.x(), -centre.y());
                }
            }
        }
    }
    return best;
}
