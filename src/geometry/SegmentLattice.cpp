#include "geometry/SegmentLattice.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <opencv2/imgproc.hpp>
#include <vector>

#include "util/Autocovariance.h"
#include "util/Median.h"

namespace {

// A piece runs towards a vanishing point when the line from its middle to
// the point leans from it by less than this (the sine of 1.5 degrees).
constexpr double kTowardsPoint = 0.026;
constexpr double kTowardsPointClosely = kTowardsPoint / 2;
// The second group's pieces lean at least this far from the first group's
// point (the sine of 15 degrees).
constexpr double kOtherGroup = 0.26;
// Pairs of pieces drawn to propose a vanishing point. Where stones crowd
// the board, its lines show as short pieces among as many edges of stones
// running every way, and few pairs propose the board's point.
constexpr int kRansacRounds = 3000;
// A vanishing point lies at least this far from the middle of the photograph,
// in lengths of its longer side: a phone looking at the board from 50 to 60
// degrees off straight down sees the columns meet about half a side away.
constexpr double kNearestVanishing = 0.45;
// The turned picture's longer side, in pixels, across the pieces of both groups.
constexpr double kTurnedSide = 900;
// The distance, in pixels of the turned picture, at which a line is compared
// with what lies beside it.
constexpr int kLineSide = 2;
// A part of the picture belongs to the board when both groups' pieces lie
// there with at least this share of their densest part.
constexpr double kBothGroups = 0.1;
constexpr int kDensityCell = 24;
// The blur of the turned picture, in its pixels.
constexpr double kBlur = 0.7;
// Repeats less clear than this share of the clearest are not looked at.
constexpr double kRepeatShare = 0.3;
// The two families' spacings on the turned picture differ by less than this
// factor: sending the vanishing points to infinity leaves the cells
// stretched one way, by more the lower and the more turned the view.
constexpr double kMostUnsquare = 1.6;
// The lattice reaches this many lines beyond the turned picture: the
// board's outer lines may lie beyond its pieces.
constexpr int kLinesBeyond = 2;
// Two lattices whose crossings kSameReach lines either way of the
// photograph's middle lie within kSameCrossing spacings are one.
constexpr double kSameReach = 9;
constexpr double kSameCrossing = 0.1;
// The repeats of each family tried as its spacing.
constexpr std::size_t kSpacingsTried = 3;

struct Piece {
    cv::Vec3d line;  // a x + b y + c = 0 with a² + b² = 1, in normalised coordinates
    cv::Point2d middle;
    cv::Point2d direction;  // unit
    double length = 0;
    cv::Point2f ends[2];  // in photograph pixels
};

// The sine of the angle between a piece and the line from its middle to the
// vanishing point (a homogeneous point; third coordinate 0 at infinity).
double leanFrom(const Piece& piece, const cv::Vec3d& point) {
    cv::Point2d towards(point[0], point[1]);
    if (std::fabs(point[2]) > 1e-12) towards = towards / point[2] - piece.middle;
    // Not std::hypot: this runs for every piece at each of thousands of
    // points proposed, and hypot's care for overflow costs twice the time.
    const double norm = std::sqrt(towards.x * towards.x + towards.y * towards.y);
    if (norm < 1e-12) return 1;
    return std::fabs(piece.direction.x * towards.y - piece.direction.y * towards.x) / norm;
}

std::vector<Piece> piecesOf(const std::vector<LinePiece>& found, cv::Point2d centre, double scale) {
    std::vector<Piece> pieces;
    for (const LinePiece& f : found) {
        const cv::Point2f a(f.a.x(), f.a.y()), b(f.b.x(), f.b.y());
        const cv::Vec3d p((a.x - centre.x) / scale, (a.y - centre.y) / scale, 1);
        const cv::Vec3d q((b.x - centre.x) / scale, (b.y - centre.y) / scale, 1);
        cv::Vec3d line = p.cross(q);
        line /= std::hypot(line[0], line[1]);
        const cv::Point2d d(q[0] - p[0], q[1] - p[1]);
        pieces.push_back({line,
                          {(p[0] + q[0]) / 2, (p[1] + q[1]) / 2},
                          d / std::hypot(d.x, d.y),
                          f.length(),
                          {a, b}});
    }
    return pieces;
}

// Whether a vanishing point lies well beyond the photograph, as a board's
// lines' do: lines that meet on the photograph, or just beside it, are the
// edges of stones, bowls or the photograph's own clutter.
bool farOff(const cv::Vec3d& point) {
    return std::hypot(point[0], point[1]) >= kNearestVanishing * std::fabs(point[2]);
}

double lengthTowards(const std::vector<Piece>& pieces, const std::vector<int>& among,
                     const cv::Vec3d& point, double tolerance) {
    double sum = 0;
    for (int k : among)
        if (leanFrom(pieces[k], point) < tolerance) sum += pieces[k].length;
    return sum;
}

// The vanishing point fitted again to the pieces that run towards it: the
// least-squares point of their lines.
cv::Vec3d refined(const std::vector<Piece>& pieces, const std::vector<int>& among,
                  cv::Vec3d point) {
    for (int pass = 0; pass < 3; ++pass) {
        cv::Mat rows(0, 3, CV_64F);
        for (int k : among) {
            if (leanFrom(pieces[k], point) >= kTowardsPoint) continue;
            const cv::Vec3d weighted = pieces[k].line * std::sqrt(pieces[k].length);
            rows.push_back(cv::Mat(weighted).t());
        }
        if (rows.rows < 2) break;
        cv::Mat solved;
        cv::SVD::solveZ(rows, solved);
        point = cv::Vec3d(solved);
    }
    return point;
}

// The vanishing point most of the pieces' length runs towards, within the
// tolerance (a sine, as kTowardsPoint): pairs of pieces drawn by length
// propose points, and the best is fitted again to the pieces that agree
// with it.
std::optional<cv::Vec3d> vanishingPoint(const std::vector<Piece>& pieces,
                                        const std::vector<int>& among, double tolerance) {
    if (among.size() < 8) return std::nullopt;
    std::vector<double> cumulative;
    double total = 0;
    for (int k : among) cumulative.push_back(total += pieces[k].length);
    cv::RNG rng(0x5eed);  // the same photograph always gives the same grid
    const auto draw = [&] {
        const auto at =
            std::upper_bound(cumulative.begin(), cumulative.end(), rng.uniform(0.0, total));
        return among[std::min<std::size_t>(at - cumulative.begin(), among.size() - 1)];
    };
    std::optional<cv::Vec3d> best;
    double bestLength = 0;
    for (int round = 0; round < kRansacRounds; ++round) {
        const int a = draw(), b = draw();
        if (a == b) continue;
        cv::Vec3d point = pieces[a].line.cross(pieces[b].line);
        if (cv::norm(point) < 1e-12) continue;
        point /= cv::norm(point);
        if (!farOff(point)) continue;
        const double length = lengthTowards(pieces, among, point, tolerance);
        if (length > bestLength) {
            bestLength = length;
            best = point;
        }
    }
    if (!best) return std::nullopt;
    return refined(pieces, among, *best);
}

struct Turn {
    cv::Matx33d toTurned;  // photograph pixels -> turned picture
    cv::Size size;
};

// Sends the line through both vanishing points to infinity and the two
// directions onto the picture's axes (the first group's lines upright),
// scaled so that the groups' pieces fill about kTurnedSide pixels.
std::optional<Turn> turning(const cv::Vec3d& first, const cv::Vec3d& second,
                            const std::vector<cv::Point2f>& ends, cv::Point2d centre,
                            double scale) {
    cv::Vec3d horizon = first.cross(second);
    if (std::fabs(horizon[2]) < 1e-12) return std::nullopt;
    horizon /= horizon[2];
    const cv::Matx33d normalise(1 / scale, 0, -centre.x / scale, 0, 1 / scale, -centre.y / scale, 0,
                                0, 1);
    const cv::Matx33d flatten(1, 0, 0, 0, 1, 0, horizon[0], horizon[1], 1);
    const cv::Vec3d d1 = flatten * first, d2 = flatten * second;
    const cv::Matx22d axes(d2[0], d1[0], d2[1], d1[1]);
    if (std::fabs(cv::determinant(axes)) < 1e-12) return std::nullopt;
    const cv::Matx22d square = axes.inv();
    const cv::Matx33d toAxes(square(0, 0), square(0, 1), 0, square(1, 0), square(1, 1), 0, 0, 0, 1);
    const cv::Matx33d turn = toAxes * flatten * normalise;
    std::vector<cv::Point2f> turned;
    cv::perspectiveTransform(ends, turned, cv::Matx33f(turn));
    std::vector<double> xs, ys;
    for (const cv::Point2f& p : turned) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
        xs.push_back(p.x);
        ys.push_back(p.y);
    }
    if (xs.size() < 8) return std::nullopt;
    const double left = Quantile(xs, 0.01), right = Quantile(xs, 0.99);
    const double top = Quantile(ys, 0.01), bottom = Quantile(ys, 0.99);
    const double span = std::max(right - left, bottom - top);
    if (!(span > 0)) return std::nullopt;
    const double k = kTurnedSide / span;
    const double marginX = 0.08 * (right - left), marginY = 0.08 * (bottom - top);
    const cv::Matx33d place(k, 0, -k * (left - marginX), 0, k, -k * (top - marginY), 0, 0, 1);
    const cv::Size size(static_cast<int>(k * (right - left + 2 * marginX)),
                        static_cast<int>(k * (bottom - top + 2 * marginY)));
    if (size.width < 64 || size.height < 64) return std::nullopt;
    return Turn{place * turn, size};
}

// How much darker each pixel is than the darker of the pixels kLineSide to
// either side of it, across (upright lines) or down (level lines).
cv::Mat lineResponse(const cv::Mat& picture, bool upright) {
    const int dx = upright ? kLineSide : 0, dy = upright ? 0 : kLineSide;
    const cv::Rect inner(dx, dy, picture.cols - 2 * dx, picture.rows - 2 * dy);
    cv::Mat beside, darker(picture.size(), CV_8U, cv::Scalar(0));
    cv::min(picture(inner - cv::Point(dx, dy)), picture(inner + cv::Point(dx, dy)), beside);
    // The subtraction saturates at 0 where the pixel is the brighter.
    cv::subtract(beside, picture(inner), darker(inner));
    cv::Mat response;
    darker.convertTo(response, CV_32F);
    return response;
}

// Where both groups' pieces lie, as a mask of the turned picture.
cv::Mat bothGroups(const std::vector<cv::Point2f>& first, const std::vector<cv::Point2f>& second,
                   const Turn& turn) {
    const cv::Size cells(turn.size.width / kDensityCell + 1, turn.size.height / kDensityCell + 1);
    const auto density = [&](const std::vector<cv::Point2f>& ends) {
        cv::Mat d(cells, CV_32F, cv::Scalar(0));
        std::vector<cv::Point2f> turned;
        cv::perspectiveTransform(ends, turned, cv::Matx33f(turn.toTurned));
        for (std::size_t k = 0; k + 1 < turned.size(); k += 2) {
            const cv::Point2f a = turned[k], b = turned[k + 1];
            const double length = std::hypot(b.x - a.x, b.y - a.y);
            const int steps = std::max(1, static_cast<int>(2 * length / kDensityCell));
            for (int s = 0; s <= steps; ++s) {
                const cv::Point2f p = a + (b - a) * (static_cast<float>(s) / steps);
                if (p.x >= 0 && p.y >= 0 && p.x < turn.size.width && p.y < turn.size.height)
                    d.at<float>(static_cast<int>(p.y) / kDensityCell,
                                static_cast<int>(p.x) / kDensityCell) +=
                        static_cast<float>(length / (steps + 1));
            }
        }
        cv::GaussianBlur(d, d, cv::Size(5, 5), 1.0);
        return d;
    };
    cv::Mat both;
    cv::sqrt(density(first).mul(density(second)), both);
    double most = 0;
    cv::minMaxLoc(both, nullptr, &most);
    std::vector<cv::Point> cellsWithBoth;
    cv::findNonZero(both > kBothGroups * most, cellsWithBoth);
    cv::Mat mask(cells, CV_8U, cv::Scalar(0));
    if (!cellsWithBoth.empty()) {
        // The board is convex: the lines hidden under stones between the
        // parts where both groups show are the board's too.
        std::vector<cv::Point> hull;
        cv::convexHull(cellsWithBoth, hull);
        cv::fillConvexPoly(mask, hull, cv::Scalar(255));
    }
    cv::resize(mask, mask, turn.size, 0, 0, cv::INTER_NEAREST);
    return mask;
}

struct Repeat {
    double spacing = 0;
    double phase = 0;
    double clearness = 0;
};

// The phase of the lines at the spacing: where a comb collects the most.
double phaseOf(const std::vector<double>& profile, double spacing) {
    const int n = static_cast<int>(profile.size());
    double best = -1, phase = 0;
    for (double p = 0; p < spacing; p += 0.5) {
        double sum = 0;
        for (double at = p; at < n - 0.5; at += spacing) sum += profile[static_cast<int>(at + 0.5)];
        if (sum > best) {
            best = sum;
            phase = p;
        }
    }
    return phase;
}

// The spacings at which the profile repeats, clearest first. A lattice of
// lines repeats at its spacing and at every multiple of it, and nowhere in
// between; the stones' edges and the gaps between them repeat at parts of
// it, but not again at twice and three times. So a spacing is as clear as
// the profile repeats at it, twice and three times it, on average.
std::vector<Repeat> repeatsOf(const std::vector<double>& profile, int shortest, int longest) {
    if (static_cast<int>(profile.size()) < longest + 2 || shortest < 2) return {};
    const std::vector<double> repeat = Autocovariance(profile, 3 * longest + 3);
    std::vector<Repeat> found;
    for (const RepeatPeak& peak : RepeatPeaks(repeat, shortest, longest, kRepeatShare)) {
        double sum = 0;
        int multiples = 0;
        for (int h = 1; h <= 3; ++h) {
            const int at = static_cast<int>(std::lround(h * peak.lag));
            if (at + 1 >= static_cast<int>(repeat.size())) break;
            sum += std::max({repeat[at - 1], repeat[at], repeat[at + 1]});
            ++multiples;
        }
        found.push_back({peak.lag, 0, sum / multiples});
    }
    std::sort(found.begin(), found.end(),
              [](const Repeat& a, const Repeat& b) { return a.clearness > b.clearness; });
    return found;
}

// The pairs of spacings worth trying, the clearest first: each family's
// kSpacingsTried clearest repeats, paired where they differ no more than a
// board seen in perspective can (kMostUnsquare). Which pair is the board's
// is for the lines and stones the lattice then finds to say.
std::vector<std::pair<Repeat, Repeat>> spacingPairs(const std::vector<double>& across,
                                                    const std::vector<double>& down, int shortest,
                                                    int longest) {
    std::vector<Repeat> a = repeatsOf(across, shortest, longest);
    std::vector<Repeat> b = repeatsOf(down, shortest, longest);
    a.resize(std::min<std::size_t>(a.size(), kSpacingsTried));
    b.resize(std::min<std::size_t>(b.size(), kSpacingsTried));
    std::vector<std::pair<Repeat, Repeat>> pairs;
    for (Repeat x : a) {
        for (Repeat y : b) {
            if (std::max(x.spacing, y.spacing) >= kMostUnsquare * std::min(x.spacing, y.spacing))
                continue;
            x.phase = phaseOf(across, x.spacing);
            y.phase = phaseOf(down, y.spacing);
            pairs.push_back({x, y});
        }
    }
    return pairs;
}

std::vector<double> profileOf(const cv::Mat& response, const cv::Mat& mask, bool upright) {
    cv::Mat masked;
    response.copyTo(masked, mask);
    cv::Mat sums;
    cv::reduce(masked, sums, upright ? 0 : 1, cv::REDUCE_SUM, CV_64F);
    return std::vector<double>(sums.begin<double>(), sums.end<double>());
}

std::vector<cv::Point2f> endsOf(const std::vector<Piece>& pieces, const std::vector<int>& which) {
    std::vector<cv::Point2f> ends;
    for (int k : which) {
        ends.push_back(pieces[k].ends[0]);
        ends.push_back(pieces[k].ends[1]);
    }
    return ends;
}

// The turn square to the two groups' vanishing points, and the part of the
// turned picture where both groups' pieces lie: the board.
struct BoardPart {
    Turn turn;
    cv::Mat mask;
};

std::optional<BoardPart> boardPart(const std::vector<Piece>& pieces, const std::vector<int>& among,
                                   const cv::Vec3d& columns, const cv::Vec3d& rows,
                                   cv::Point2d centre, double scale) {
    std::vector<int> columnGroup, rowGroup;
    for (int k : among) {
        if (leanFrom(pieces[k], columns) < kTowardsPoint)
            columnGroup.push_back(k);
        else if (leanFrom(pieces[k], rows) < kTowardsPoint)
            rowGroup.push_back(k);
    }
    const std::vector<cv::Point2f> columnEnds = endsOf(pieces, columnGroup),
                                   rowEnds = endsOf(pieces, rowGroup);
    std::vector<cv::Point2f> ends = columnEnds;
    ends.insert(ends.end(), rowEnds.begin(), rowEnds.end());
    const std::optional<Turn> turn = turning(columns, rows, ends, centre, scale);
    if (!turn) return std::nullopt;
    const cv::Mat mask = bothGroups(columnEnds, rowEnds, *turn);
    if (cv::boundingRect(mask).empty()) return std::nullopt;
    return BoardPart{*turn, mask};
}

// The two vanishing points most of the pieces' length runs towards, the
// columns' first: the group whose pieces run more upright on the photograph.
std::optional<std::pair<cv::Vec3d, cv::Vec3d>> vanishingPoints(const std::vector<Piece>& pieces,
                                                               const std::vector<int>& among,
                                                               double tolerance) {
    const std::optional<cv::Vec3d> first = vanishingPoint(pieces, among, tolerance);
    if (!first) return std::nullopt;
    std::vector<int> rest;
    for (int k : among)
        if (leanFrom(pieces[k], *first) > kOtherGroup) rest.push_back(k);
    const std::optional<cv::Vec3d> second = vanishingPoint(pieces, rest, tolerance);
    if (!second) return std::nullopt;
    double upright = 0;
    for (int k : among)
        if (leanFrom(pieces[k], *first) < kTowardsPoint)
            upright += pieces[k].length *
                       (std::fabs(pieces[k].direction.y) - std::fabs(pieces[k].direction.x));
    if (upright >= 0) return std::pair{*first, *second};
    return std::pair{*second, *first};
}

std::optional<BoardPart> boardPartOf(const std::vector<Piece>& pieces,
                                     const std::vector<int>& among, cv::Point2d centre,
                                     double scale, double tolerance) {
    const auto points = vanishingPoints(pieces, among, tolerance);
    if (!points) return std::nullopt;
    return boardPart(pieces, among, points->first, points->second, centre, scale);
}

// The pieces whose middle lies on the board part.
std::vector<int> piecesWithin(const std::vector<Piece>& pieces, const BoardPart& part) {
    std::vector<cv::Point2f> middles;
    for (const Piece& p : pieces) middles.push_back((p.ends[0] + p.ends[1]) * 0.5f);
    cv::perspectiveTransform(middles, middles, cv::Matx33f(part.turn.toTurned));
    std::vector<int> within;
    for (int k = 0; k < static_cast<int>(pieces.size()); ++k) {
        const cv::Point2i m = middles[k];
        if (cv::Rect(0, 0, part.mask.cols, part.mask.rows).contains(m) && part.mask.at<uchar>(m))
            within.push_back(k);
    }
    return within;
}

// The photograph turned square to the board's vanishing points: the line
// profiles across the upright and the level lines over the board part, and
// the lags at which the lines may repeat (up to a fifth of the part: its
// pieces may cover only the middle of a 9-line board).
struct TurnedPhoto {
    std::vector<double> across, down;
    int shortest = 0, longest = 0;
};

TurnedPhoto turnPhoto(const cv::Mat& grey, const BoardPart& part) {
    cv::Mat picture;
    cv::warpPerspective(grey, picture, part.turn.toTurned, part.turn.size, cv::INTER_LINEAR,
                        cv::BORDER_REPLICATE);
    // A little blur: the photograph's compression blocks, stretched by the
    // turn, would repeat like fine lines.
    cv::GaussianBlur(picture, picture, cv::Size(0, 0), kBlur);
    const cv::Rect board = cv::boundingRect(part.mask);
    const int extent = std::max(board.width, board.height);
    return TurnedPhoto{profileOf(lineResponse(picture, true), part.mask, true),
                       profileOf(lineResponse(picture, false), part.mask, false),
                       std::max(6, extent / 60), extent / 5};
}

// The lattices the board part's line profiles repeat at.
std::vector<GridFrame> latticesOn(const cv::Mat& grey, const BoardPart& part) {
    std::vector<GridFrame> lattices;
    const TurnedPhoto turned = turnPhoto(grey, part);
    const cv::Matx33d toPhoto = part.turn.toTurned.inv();
    const cv::Size size = part.turn.size;
    for (const auto& [x, y] :
         spacingPairs(turned.across, turned.down, turned.shortest, turned.longest)) {
        // The lines' responses may pile up on the gaps between white stones
        // rather than on the board's thin lines: the lattice half a spacing
        // over is tried too, across, down and both.
        for (const double halfX : {0.0, 0.5}) {
            for (const double halfY : {0.0, 0.5}) {
                // Lattice (u, v) -> turned picture -> photograph.
                const cv::Matx33d lattice =
                    toPhoto * cv::Matx33d(x.spacing, 0, x.phase + halfX * x.spacing, 0, y.spacing,
                                          y.phase + halfY * y.spacing, 0, 0, 1);
                lattices.push_back(
                    {Homography(lattice), -kLinesBeyond,
                     static_cast<int>((size.width - x.phase) / x.spacing) + kLinesBeyond,
                     -kLinesBeyond,
                     static_cast<int>((size.height - y.phase) / y.spacing) + kLinesBeyond});
            }
        }
    }
    return lattices;
}

// Whether b's crossings a few lines either way of the point fall on a's
// crossings.
bool sameLines(const GridFrame& a, const GridFrame& b, cv::Point2d at) {
    const std::optional<Homography> toA = a.toPhoto.inverted(), toB = b.toPhoto.inverted();
    if (!toA || !toB) return false;
    const QPointF onB = toB->map(QPointF(at.x, at.y));
    const QPointF origin(std::round(onB.x()), std::round(onB.y()));
    for (const QPointF step : {QPointF(-kSameReach, -kSameReach), QPointF(kSameReach, -kSameReach),
                               QPointF(kSameReach, kSameReach), QPointF(-kSameReach, kSameReach)}) {
        const QPointF onA = toA->map(b.toPhoto.map(origin + step));
        if (std::fabs(onA.x() - std::round(onA.x())) > kSameCrossing ||
            std::fabs(onA.y() - std::round(onA.y())) > kSameCrossing)
            return false;
    }
    return true;
}

}  // namespace

std::vector<GridFrame> SegmentLattices(const cv::Mat& grey,
                                       const std::vector<LinePiece>& linePieces) {
    const cv::Point2d centre(grey.cols / 2.0, grey.rows / 2.0);
    const double scale = std::max(grey.cols, grey.rows);
    const std::vector<Piece> pieces = piecesOf(linePieces, centre, scale);
    std::vector<int> all(pieces.size());
    std::iota(all.begin(), all.end(), 0);
    const std::optional<BoardPart> part = boardPartOf(pieces, all, centre, scale, kTowardsPoint);
    if (!part) return {};
    std::vector<GridFrame> lattices = latticesOn(grey, *part);
    // A table's grain, a floor's tiles or the edges of bowls beside the board
    // pull the points off the board's own: they are found again from the
    // pieces on the board alone, and the lattices of both are tried.
    // On a board seen from nearly straight above, its lines run all but
    // parallel, and points far apart have them all within kTowardsPoint: the
    // point chosen can leave the outer lines a spacing off at one end. So
    // the points are found there once more, each the one that the most
    // length runs closely towards (kTowardsPointClosely).
    const std::vector<int> within = piecesWithin(pieces, *part);
    for (const double tolerance : {kTowardsPoint, kTowardsPointClosely}) {
        const auto again = boardPartOf(pieces, within, centre, scale, tolerance);
        if (!again) continue;
        const std::size_t first = lattices.size();
        for (const GridFrame& lattice : latticesOn(grey, *again)) {
            const auto same = [&](const GridFrame& f) {
                return sameLines(f, lattice, centre) && sameLines(lattice, f, centre);
            };
            if (std::none_of(lattices.begin(), lattices.begin() + first, same))
                lattices.push_back(lattice);
        }
    }
    return lattices;
}
