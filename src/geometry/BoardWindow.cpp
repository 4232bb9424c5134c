#include "geometry/BoardWindow.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "util/Median.h"

namespace {

constexpr std::array<int, 3> kBoardSizes{9, 13, 19};
// Below this a response is the wood's grain or the sensor's noise.
constexpr int kWeakestLine = 6;
// A line shows where its response is at least this share of the strong
// ones (the tenth strongest in a hundred) on the lattice.
constexpr double kShowingShare = 0.35;
// Below this a crossing's contrast with its surroundings is no stone's.
constexpr int kWeakestStone = 30;
// A larger board is taken when it shows itself at least this share as
// densely as the densest of the sizes.
constexpr double kSizeShare = 0.4;
// A window may have this share of its points off the photograph.
constexpr double kMostOff = 0.02;
// A line beyond the board is judged on at least this many points.
constexpr int kFewestBeyond = 3;
// A line beyond the board "shows nothing" below this share of the board's
// lines' showing, or below kEmptyBeyond.
constexpr double kEndShare = 0.5;
constexpr double kEmptyBeyond = 0.1;
// The wood's edge is looked for from this far beyond an outer line, in
// spacings (a board's margin is half a spacing to a spacing wide), at
// kEdgeDistances distances kEdgeDistanceStep apart; it is a step in
// brightness of at least kEdgeStep.
constexpr double kNearestEdge = 0.35;
constexpr double kEdgeDistanceStep = 0.1;
constexpr int kEdgeDistances = 8;
constexpr int kEdgeStep = 12;

// A value for each line k of one family and each stretch m (between lines m
// and m + 1 of the other) or crossing m with it; NaN off the photograph.
// For the lines: 1 where the line shows at the stretch's middle and half a
// spacing to neither side does, 0 where all show or none, -1 where only the
// sides do. For the crossings: 1 where a stone sits on it.
class LatticeTable {
public:
    LatticeTable(int firstLine, int lines, int firstStretch, int stretches)
        : firstLine_(firstLine),
          lines_(lines),
          firstStretch_(firstStretch),
          stretches_(stretches),
          values_(static_cast<std::size_t>(lines) * stretches, NAN) {}

    float& at(int line, int stretch) { return values_[index(line, stretch)]; }
    float at(int line, int stretch) const {
        if (line < firstLine_ || line >= firstLine_ + lines_ || stretch < firstStretch_ ||
            stretch >= firstStretch_ + stretches_)
            return NAN;
        return values_[index(line, stretch)];
    }

private:
    std::size_t index(int line, int stretch) const {
        return static_cast<std::size_t>(line - firstLine_) * stretches_ + (stretch - firstStretch_);
    }
    int firstLine_, lines_, firstStretch_, stretches_;
    std::vector<float> values_;
};

struct Range {
    int first, last;
};

Range lines(const GridFrame& f, bool column) {
    return column ? Range{f.firstColumn, f.lastColumn} : Range{f.firstRow, f.lastRow};
}

// The level at which a response shows: kShowingShare of the strong ones
// (the tenth strongest in a hundred), never below weakest.
double showingLevel(std::vector<float> values, double weakest) {
    if (values.empty()) return weakest;
    return std::max<double>(weakest, kShowingShare * Quantile(std::move(values), 0.9));
}

// The raw strengths of one family, NaN off the photograph: on each line
// (offset 0) and half a spacing before it (offset -0.5), one line beyond
// the lattice either way, and the half before the line after that.
struct Strengths {
    int firstLine, lines, firstStretch, stretches;
    LatticeTable on, before;
    // The strengths on the lines, and on the line after the last one.
    std::vector<float> seen;

    Strengths(int firstLine, int lines, int firstStretch, int stretches)
        : firstLine(firstLine),
          lines(lines),
          firstStretch(firstStretch),
          stretches(stretches),
          on(firstLine, lines, firstStretch, stretches),
          before(firstLine, lines + 1, firstStretch, stretches) {}
};

Strengths measure(const Brightness& photo, const GridFrame& lattice, bool column) {
    const Range own = lines(lattice, column), other = lines(lattice, !column);
    Strengths s(own.first - 1, own.last - own.first + 3, other.first - 1,
                other.last - other.first + 2);
    for (int k = s.firstLine; k <= s.firstLine + s.lines; ++k) {
        for (int m = s.firstStretch; m < s.firstStretch + s.stretches; ++m) {
            if (const std::optional<int> v =
                    LineStrengthAt(photo, lattice, column, k - 0.5, m + 0.5))
                s.before.at(k, m) = static_cast<float>(*v);
            if (const std::optional<int> v = LineStrengthAt(photo, lattice, column, k, m + 0.5)) {
                if (k < s.firstLine + s.lines) s.on.at(k, m) = static_cast<float>(*v);
                s.seen.push_back(static_cast<float>(*v));
            }
        }
    }
    return s;
}

LatticeTable netTable(const Strengths& s, double showing) {
    LatticeTable table(s.firstLine, s.lines, s.firstStretch, s.stretches);
    const auto shows = [&](float v) { return std::isnan(v) ? NAN : float(v >= showing); };
    for (int k = s.firstLine; k < s.firstLine + s.lines; ++k) {
        for (int m = s.firstStretch; m < s.firstStretch + s.stretches; ++m) {
            const float on = shows(s.on.at(k, m));
            const float sides = 0.5f * (shows(s.before.at(k, m)) + shows(s.before.at(k + 1, m)));
            table.at(k, m) = std::isnan(sides) ? on : on - sides;
        }
    }
    return table;
}

// How much a stone on the crossing stands out from the board: the crossing
// (looked at beside its lines) against the middles of the four cells around
// it, which lie between any stones and show the board. The middles must
// agree with one another; half a spacing off the lattice they fall on four
// crossings, stones of either colour or empty, and seldom do.
std::optional<int> stoneContrast(const Brightness& photo, const GridFrame& lattice, double k,
                                 double m) {
    const auto at = [&](double u, double v) { return lattice.toPhoto.map(u, v); };
    if (!photo.contains(at(k, m))) return std::nullopt;
    std::array<int, 3> middle{};
    for (const double du : {-0.15, 0.15}) {
        for (const double dv : {-0.15, 0.15}) {
            const QRgb c = photo.colourAt(at(k + du, m + dv));
            middle[0] += qRed(c);
            middle[1] += qGreen(c);
            middle[2] += qBlue(c);
        }
    }
    std::array<QRgb, 4> cells{};
    std::size_t n = 0;
    for (const double du : {-0.5, 0.5})
        for (const double dv : {-0.5, 0.5}) cells[n++] = photo.colourAt(at(k + du, m + dv));
    // The board: the middle two of the four cells, channel by channel.
    std::array<int, 3> board{};
    int spread = 0;
    for (int ch = 0; ch < 3; ++ch) {
        std::array<int, 4> v{};
        for (std::size_t c = 0; c < 4; ++c)
            v[c] = ch == 0 ? qRed(cells[c]) : ch == 1 ? qGreen(cells[c]) : qBlue(cells[c]);
        std::sort(v.begin(), v.end());
        board[ch] = (v[1] + v[2]) / 2;
        spread += v[3] - v[0];
    }
    int contrast = 0;
    for (int ch = 0; ch < 3; ++ch) contrast += std::abs(middle[ch] / 4 - board[ch]);
    return spread < contrast ? contrast : 0;
}

// 1 where a stone sits on the crossing, 0 where none does; less a quarter
// for each of the four cells around it whose middle looks like a stone's
// crossing the same way: half a spacing off the lattice, the stones sit on
// the cells' middles instead, and the two lattices must not look alike.
LatticeTable stoneTable(const Brightness& photo, const GridFrame& lattice) {
    const int first = lattice.firstColumn - 1, last = lattice.lastColumn + 1;
    const int top = lattice.firstRow - 1, bottom = lattice.lastRow + 1;
    // The crossings (k, m) and the cells' middles (k + 1/2, m + 1/2), with the
    // cells one more either way.
    LatticeTable crossings(first, last - first + 1, top, bottom - top + 1);
    LatticeTable cells(first - 1, last - first + 2, top - 1, bottom - top + 2);
    std::vector<float> seen;
    for (int k = first - 1; k <= last; ++k) {
        for (int m = top - 1; m <= bottom; ++m) {
            for (const bool cell : {false, true}) {
                if (!cell && (k < first || m < top)) continue;
                const std::optional<int> c =
                    stoneContrast(photo, lattice, k + cell * 0.5, m + cell * 0.5);
                if (!c) continue;
                (cell ? cells : crossings).at(k, m) = static_cast<float>(*c);
                seen.push_back(static_cast<float>(*c));
            }
        }
    }
    if (seen.empty()) return crossings;
    const double stone = showingLevel(std::move(seen), kWeakestStone);
    LatticeTable table(first, last - first + 1, top, bottom - top + 1);
    for (int k = first; k <= last; ++k) {
        for (int m = top; m <= bottom; ++m) {
            const float on = crossings.at(k, m);
            if (std::isnan(on)) continue;
            float around = 0;
            for (const int dk : {-1, 0})
                for (const int dm : {-1, 0})
                    if (const float c = cells.at(k + dk, m + dm); !std::isnan(c))
                        around += c >= stone;
            table.at(k, m) = float(on >= stone) - around / 4;
        }
    }
    return table;
}

// Where the board's wood ends: the step from the board to what lies around
// it, looked for at kEdgeDistances distances from kNearestEdge spacings
// beyond an outer line on. The step at (k, m, e) for the line k of one
// family seen as an outer line facing `outward` (-1 or +1 lines), at the
// stretch m, at the e-th distance: +1 or -1 where the photograph steps up
// or down there by at least kEdgeStep, 0 where it does not.
class EdgeTable {
public:
    EdgeTable(const Brightness& photo, const GridFrame& lattice, bool column, int outward)
        : firstLine_(column ? lattice.firstColumn : lattice.firstRow),
          lines_(column ? lattice.columns() : lattice.rows()),
          firstStretch_(column ? lattice.firstRow : lattice.firstColumn),
          stretches_(column ? lattice.rows() : lattice.columns()),
          steps_(static_cast<std::size_t>(lines_) * stretches_ * kEdgeDistances, 0) {
        const auto at = [&](double line, double along) {
            return column ? lattice.toPhoto.map(line, along) : lattice.toPhoto.map(along, line);
        };
        for (int k = 0; k < lines_; ++k) {
            for (int m = 0; m < stretches_; ++m) {
                const double along = firstStretch_ + m + 0.5;
                for (int e = 0; e < kEdgeDistances; ++e) {
                    const double d = kNearestEdge + e * kEdgeDistanceStep;
                    const QPointF inner = at(firstLine_ + k + outward * (d - 0.1), along);
                    const QPointF outer = at(firstLine_ + k + outward * (d + 0.1), along);
                    if (!photo.contains(inner) || !photo.contains(outer)) continue;
                    const int step = photo.at(inner) - photo.at(outer);
                    steps_[index(k, m, e)] = static_cast<signed char>(step >= kEdgeStep    ? 1
                                                                      : step <= -kEdgeStep ? -1
                                                                                           : 0);
                }
            }
        }
    }

    // The largest share of the stretches from ... from + count - 1 along
    // line k where one straight edge, at one distance, steps the same way.
    double edgeShare(int line, int from, int count) const {
        double best = 0;
        for (int e = 0; e < kEdgeDistances; ++e) {
            int up = 0, down = 0;
            for (int m = from; m < from + count; ++m) {
                const int v = steps_[index(line - firstLine_, m - firstStretch_, e)];
                up += v > 0;
                down += v < 0;
            }
            best = std::max(best, static_cast<double>(std::max(up, down)) / count);
        }
        return best;
    }

private:
    std::size_t index(int k, int m, int e) const {
        return (static_cast<std::size_t>(k) * stretches_ + m) * kEdgeDistances + e;
    }
    int firstLine_, lines_, firstStretch_, stretches_;
    std::vector<signed char> steps_;
};

LatticeTable lineTable(const Brightness& evened, const GridFrame& lattice, bool column) {
    const Strengths strengths = measure(evened, lattice, column);
    return netTable(strengths, showingLevel(strengths.seen, kWeakestLine));
}

struct Sum {
    double total = 0;
    int counted = 0, off = 0;
};

// Lines first ... first + n - 1 of the table over stretches from ... from + n - 2.
Sum sumOver(const LatticeTable& t, int first, int n, int from) {
    Sum sum;
    for (int k = first; k < first + n; ++k) {
        for (int m = from; m < from + n - 1; ++m) {
            const float v = t.at(k, m);
            if (std::isnan(v)) {
                ++sum.off;
            } else {
                sum.total += v;
                ++sum.counted;
            }
        }
    }
    return sum;
}

// The average of the table's values along one line, over the n - 1
// stretches (or crossings, when n counts them) from `from` on, of the
// crossing table's rows when across; std::nullopt when too little of the
// line lies on the photograph to tell.
std::optional<double> beyond(const LatticeTable& t, int line, int from, int n,
                             bool across = false) {
    Sum s;
    for (int m = from; m < from + n - 1; ++m) {
        const float v = across ? t.at(m, line) : t.at(line, m);
        if (!std::isnan(v)) {
            s.total += v;
            ++s.counted;
        }
    }
    if (s.counted < kFewestBeyond) return std::nullopt;
    return s.total / s.counted;
}

// The stones on the window's n × n crossings.
double stonesOn(const LatticeTable& stones, int c0, int r0, int n) {
    double sum = 0;
    for (int k = c0; k < c0 + n; ++k)
        for (int m = r0; m < r0 + n; ++m)
            if (const float v = stones.at(k, m); !std::isnan(v)) sum += v;
    return sum;
}

bool onPhoto(const Brightness& photo, const GridFrame& f) {
    for (const QPointF p : f.corners())
        if (!photo.contains(p)) return false;
    return true;
}

// Everything the photograph shows about a lattice, and the windows judged on it.
class Evidence {
public:
    Evidence(const Brightness& evened, const Brightness& photo, const GridFrame& lattice)
        : columns_(lineTable(evened, lattice, true)),
          rows_(lineTable(evened, lattice, false)),
          stones_(stoneTable(photo, lattice)),
          left_(evened, lattice, true, -1),
          right_(evened, lattice, true, 1),
          top_(evened, lattice, false, -1),
          bottom_(evened, lattice, false, 1) {}

    // The window of n lines from column c0 and row r0; std::nullopt when
    // too much of it lies off the photograph.
    std::optional<BoardWindow> window(const GridFrame& lattice, int c0, int r0, int n) const {
        const Sum a = sumOver(columns_, c0, n, r0), b = sumOver(rows_, r0, n, c0);
        const int lookedAt = a.counted + b.counted;
        if (a.off + b.off > kMostOff * (lookedAt + a.off + b.off)) return std::nullopt;
        // The lines beyond the board show nothing, and no stone lies there.
        const std::array<std::optional<double>, 4> linesBeyond{
            beyond(columns_, c0 - 1, r0, n), beyond(columns_, c0 + n, r0, n),
            beyond(rows_, r0 - 1, c0, n), beyond(rows_, r0 + n, c0, n)};
        const std::array<std::optional<double>, 4> stonesBeyond{
            beyond(stones_, c0 - 1, r0, n + 1), beyond(stones_, c0 + n, r0, n + 1),
            beyond(stones_, r0 - 1, c0, n + 1, true), beyond(stones_, r0 + n, c0, n + 1, true)};
        double penalty = 0;
        for (const std::optional<double>& o : linesBeyond)
            penalty += std::max(0.0, o.value_or(0)) * (n - 1);
        for (const std::optional<double>& o : stonesBeyond)
            penalty += std::max(0.0, o.value_or(0)) * n;
        // The wood ends a little beyond the outer lines.
        const double edges =
            left_.edgeShare(c0, r0, n - 1) + right_.edgeShare(c0 + n - 1, r0, n - 1) +
            top_.edgeShare(r0, c0, n - 1) + bottom_.edgeShare(r0 + n - 1, c0, n - 1);
        // Every line of a board shows itself or stones somewhere along it: a
        // window that reaches over a table pays a line's worth for each line
        // that shows nothing.
        const double score = a.total + b.total + stonesOn(stones_, c0, r0, n) + edges * (n - 1) -
                             penalty - (n - 1) * emptyLines(c0, r0, n);
        const double fill = (a.total + b.total) / std::max(1, lookedAt);
        const bool ends = std::any_of(linesBeyond.begin(), linesBeyond.end(),
                                      [&](const std::optional<double>& o) {
                                          return o && *o < std::max(kEndShare * fill, kEmptyBeyond);
                                      });
        return BoardWindow{GridFrame{lattice.toPhoto, c0, c0 + n - 1, r0, r0 + n - 1}, score,
                           score / (lookedAt + n * n), ends};
    }

    // The window's lines along which neither a line nor a stone shows.
    int emptyLines(int c0, int r0, int n) const {
        int empty = 0;
        for (int k = 0; k < n; ++k) {
            double column = 0, row = 0;
            for (int m = 0; m < n; ++m) {
                if (m < n - 1) {
                    column += std::max(0.0f, columns_.at(c0 + k, r0 + m));
                    row += std::max(0.0f, rows_.at(r0 + k, c0 + m));
                }
                column += std::max(0.0f, stones_.at(c0 + k, r0 + m));
                row += std::max(0.0f, stones_.at(c0 + m, r0 + k));
            }
            empty += (column == 0) + (row == 0);
        }
        return empty;
    }

private:
    LatticeTable columns_, rows_, stones_;
    EdgeTable left_, right_, top_, bottom_;
};

}  // namespace

std::optional<BoardWindow> ChooseBoardWindow(const Brightness& evened, const Brightness& photo,
                                             const GridFrame& lattice, int boardSize) {
    const Evidence evidence(evened, photo, lattice);
    // The best place for a board of each size.
    std::array<std::optional<BoardWindow>, kBoardSizes.size()> bySize;
    for (std::size_t s = 0; s < kBoardSizes.size(); ++s) {
        const int n = kBoardSizes[s];
        if (boardSize != 0 && n != boardSize) continue;
        for (int c0 = lattice.firstColumn; c0 + n - 1 <= lattice.lastColumn; ++c0) {
            for (int r0 = lattice.firstRow; r0 + n - 1 <= lattice.lastRow; ++r0) {
                const std::optional<BoardWindow> window = evidence.window(lattice, c0, r0, n);
                if (window && (!bySize[s] || window->score > bySize[s]->score) &&
                    onPhoto(photo, window->frame))
                    bySize[s] = window;
            }
        }
    }
    // The largest board that shows itself nearly as densely as the
    // densest: a larger window that takes in a table's grain shows it thinly.
    double densest = 0;
    for (const std::optional<BoardWindow>& w : bySize)
        if (w) densest = std::max(densest, w->strength);
    for (std::size_t s = bySize.size(); s-- > 0;)
        if (bySize[s] && bySize[s]->strength >= kSizeShare * densest) return bySize[s];
    return std::nullopt;
}
