#include "recognition/PointFeatures.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>

#include "geometry/GridFit.h"
#include "geometry/RaisedView.h"
#include "util/Median.h"

namespace {

// Sizes in grid spacings: the box a cell middle is read over, the reach of
// the box a stone's body is looked for in, the reach of the disc its
// brightness is read over (and the step of its samples), and the width of
// the board's lines looked for.
constexpr double kCellBox = 0.15;
constexpr double kEvenReach = 0.2;
constexpr double kBodyReach = 0.35;
constexpr double kBodyStep = 0.07;
constexpr double kLineBox = 0.15;
// A stone's top stands this high above the board (a stone 9 mm thick on a
// 22 mm grid). Seen from the side, its body shows off its crossing, towards
// where its top shows.
constexpr double kStoneHeight = 0.4;
// Where a point's body is looked for: a stone sits up to a third of a
// spacing off its crossing, so from kAcross to either side, and from
// kTowardsCamera before the crossing to half the way to where the top of a
// stone on it shows, or kLeastReach beyond it, clear of the board's lines,
// in kAlongSteps steps. Its brightness is read about kBrightnessShare of
// the way to the top.
constexpr std::array<double, 3> kAcross{-0.15, 0, 0.15};
constexpr double kTowardsCamera = 0.15;
constexpr double kLeastReach = 0.3;
constexpr int kAlongSteps = 4;
constexpr double kBrightnessShare = 0.2;
// A stone is about as wide as the spacing, its radius half of it. Where a
// stone on the point next towards the camera would show (from its foot to
// its top), the point's own body is not looked for, as long as other places
// are left: on a low view that stone's body covers the point's crossing.
constexpr double kStoneRadius = 0.5;
// The board's field is fitted to the cell middles within kFieldReach of
// a guess at the board's colour, then to those it fits within three of
// their median residuals (never less than kLeastResidual). In the 8-bit Lab
// units of OpenCV.
constexpr float kFieldReach = 15;
constexpr float kLeastResidual = 10;
// A fit from the second guess at the board's colour is taken when it lies
// near half as many cell middles again as the fit from the first: on a
// crowded board under a coloured lamp whose colour changes over the board,
// the first guess can be partly stones and lie near one part of the board
// only.
constexpr double kClearlyMoreCells = 1.5;
// A stone's shine is looked for within kShineReach spacings of its
// crossing, on the board seen square at no fewer than kLeastShineSide pixels
// to the spacing. The spot is the brightest kShineSpot of that disc; the
// body's brightness lies above kShineBody of it.
constexpr double kShineReach = 0.4;
constexpr int kLeastShineSide = 16;
constexpr double kShineSpot = 0.005;
constexpr double kShineBody = 0.75;

// A sampling of the photograph on the grid's coordinates.
class GridPicture {
public:
    GridPicture(const QImage& photo, const Homography& toPhoto) : toPhoto_(toPhoto) {
        const QImage rgb = photo.convertToFormat(QImage::Format_RGB888);
        const cv::Mat view(rgb.height(), rgb.width(), CV_8UC3, const_cast<uchar*>(rgb.constBits()),
                           static_cast<std::size_t>(rgb.bytesPerLine()));
        cv::Mat lab8;
        cv::cvtColor(view, lab8, cv::COLOR_RGB2Lab);
        lab8.convertTo(lab_, CV_32FC3);
        cv::Mat darkest;
        cv::Mat channels[3];
        cv::split(view, channels);
        cv::min(channels[0], channels[1], darkest);
        cv::min(darkest, channels[2], darkest);
        darkest_ = darkest;
    }

    const cv::Mat& lab() const { return lab_; }
    const cv::Mat& darkest() const { return darkest_; }

    // The spacing of the grid at its middle, the shorter of the two ways.
    double spacing(int g) const {
        const QPointF centre = toPhoto_.map(g / 2.0, g / 2.0);
        const QPointF across = toPhoto_.map(g / 2.0 + 1, g / 2.0) - centre;
        const QPointF along = toPhoto_.map(g / 2.0, g / 2.0 + 1) - centre;
        return std::min(std::hypot(across.x(), across.y()), std::hypot(along.x(), along.y()));
    }

    // Where grid point (u, v) shows on the photograph.
    QPointF point(double u, double v) const { return toPhoto_.map(u, v); }

    // The pixel nearest to grid point (u, v), kept within the photograph.
    cv::Point pixel(double u, double v) const { return clamped(toPhoto_.map(u, v)); }

    // The pixel nearest to p, kept within the photograph.
    cv::Point clamped(QPointF p) const {
        return {std::clamp(static_cast<int>(std::lround(p.x())), 0, lab_.cols - 1),
                std::clamp(static_cast<int>(std::lround(p.y())), 0, lab_.rows - 1)};
    }

    template <typename T>
    T at(const cv::Mat& picture, double u, double v) const {
        return picture.at<T>(pixel(u, v));
    }

private:
    Homography toPhoto_;
    cv::Mat lab_;
    cv::Mat darkest_;
};

cv::Mat boxMean(const cv::Mat& picture, double side) {
    const int k = std::max(3, static_cast<int>(side) | 1);
    cv::Mat mean;
    cv::blur(picture, mean, cv::Size(k, k));
    return mean;
}

// The median of each channel over the looks.
Lab channelMedians(const std::vector<Lab>& looks) {
    std::array<std::vector<float>, 3> channels;
    for (const Lab& look : looks) {
        for (int c = 0; c < 3; ++c) channels[c].push_back(look[c]);
    }
    return {Median(channels[0]), Median(channels[1]), Median(channels[2])};
}

// 1, u, v, u², uv, v²: the terms of a quadratic over the board.
cv::Mat quadraticTerms(double u, double v) {
    return cv::Mat((cv::Mat_<double>(1, 6) << 1, u, v, u * u, u * v, v * v));
}

// The board's look over the grid: a quadratic in (u, v) per Lab channel.
class BoardField {
public:
    // Fitted to the cell middles, most of which show the bare board, from a
    // first guess at the board's colour taken around the points where the
    // lines show most; or from another, taken amid them, when that fit
    // lies within kFieldReach of clearly more cell middles (see
    // kClearlyMoreCells).
    BoardField(const GridPicture& picture, int g, double spacing,
               const std::vector<float>& lineStrengths) {
        const cv::Mat cells = boxMean(picture.lab(), kCellBox * spacing);
        for (int a = -1; a <= g; ++a) {
            for (int b = -1; b <= g; ++b) {
                const cv::Vec3d look = picture.at<Lab>(cells, a + 0.5, b + 0.5);
                terms_.push_back(quadraticTerms(a + 0.5, b + 0.5));
                looks_.push_back(cv::Mat(cv::Mat(look).t()));
            }
        }
        coefficients_ = fittedFrom(aroundStrongestLines(picture, cells, g, lineStrengths));
        const cv::Mat other = fittedFrom(amidStrongestLines(picture, cells, g, lineStrengths));
        if (nearCells(other) > kClearlyMoreCells * nearCells(coefficients_)) coefficients_ = other;
    }

    Lab at(double u, double v) const { return lookAt(coefficients_, u, v); }

private:
    static Lab lookAt(const cv::Mat& coefficients, double u, double v) {
        const cv::Mat look = quadraticTerms(u, v) * coefficients;
        return {static_cast<float>(look.at<double>(0)), static_cast<float>(look.at<double>(1)),
                static_cast<float>(look.at<double>(2))};
    }

    // The median colour of the cells around the tenth of the points whose
    // lines show most: a stone hides the lines, so these are mostly the
    // bare board. On a crowded board, though, a stone on a neighbouring
    // point covers some of them.
    static Lab aroundStrongestLines(const GridPicture& picture, const cv::Mat& cells, int g,
                                    const std::vector<float>& lineStrengths) {
        std::vector<int> order(lineStrengths.size());
        for (std::size_t k = 0; k < order.size(); ++k) order[k] = static_cast<int>(k);
        const std::size_t tenth = std::max<std::size_t>(1, order.size() / 10);
        std::partial_sort(order.begin(), order.begin() + tenth, order.end(),
                          [&](int a, int b) { return lineStrengths[a] > lineStrengths[b]; });
        std::vector<Lab> around;
        for (std::size_t n = 0; n < tenth; ++n) {
            const int i = order[n] % (g + 1), j = order[n] / (g + 1);
            for (const double du : {-0.5, 0.5}) {
                for (const double dv : {-0.5, 0.5})
                    around.push_back(picture.at<Lab>(cells, i + du, j + dv));
            }
        }
        return channelMedians(around);
    }

    // The median colour of the tenth of the cells whose four corners all
    // show their lines most: no stone lies next to them. Amid white stones,
    // though, the seams between them can show like lines.
    static Lab amidStrongestLines(const GridPicture& picture, const cv::Mat& cells, int g,
                                  const std::vector<float>& lineStrengths) {
        std::vector<std::pair<float, cv::Vec2d>> weakestCorner;
        for (int j = 0; j < g; ++j) {
            for (int i = 0; i < g; ++i) {
                const int k = i + j * (g + 1);
                weakestCorner.emplace_back(
                    std::min({lineStrengths[k], lineStrengths[k + 1], lineStrengths[k + g + 1],
                              lineStrengths[k + g + 2]}),
                    cv::Vec2d(i + 0.5, j + 0.5));
            }
        }
        const std::size_t tenth = std::max<std::size_t>(1, weakestCorner.size() / 10);
        std::partial_sort(weakestCorner.begin(), weakestCorner.begin() + tenth, weakestCorner.end(),
                          [](const auto& a, const auto& b) { return a.first > b.first; });
        std::vector<Lab> amid;
        for (std::size_t n = 0; n < tenth; ++n) {
            const cv::Vec2d cell = weakestCorner[n].second;
            amid.push_back(picture.at<Lab>(cells, cell[0], cell[1]));
        }
        return channelMedians(amid);
    }

    // The quadratic fitted to the cell middles within kFieldReach of the
    // guess, then to those it fits within three of their median residuals
    // (never less than kLeastResidual); the guess everywhere with too few.
    cv::Mat fittedFrom(const Lab& guess) const {
        cv::Mat coefficients = constant(guess);
        std::vector<bool> kept;
        for (const float r : residuals(coefficients)) kept.push_back(r < kFieldReach);
        for (int round = 0; round < 5; ++round) {
            if (!fit(kept, coefficients)) break;
            const std::vector<float> all = residuals(coefficients);
            std::vector<float> ofKept;
            for (std::size_t k = 0; k < all.size(); ++k) {
                if (kept[k]) ofKept.push_back(all[k]);
            }
            const float limit = std::max(kLeastResidual, 3 * Median(ofKept));
            for (std::size_t k = 0; k < all.size(); ++k) kept[k] = all[k] < limit;
        }
        return coefficients;
    }

    // How far each cell middle's look lies from the field's there.
    std::vector<float> residuals(const cv::Mat& coefficients) const {
        const cv::Mat off = looks_ - terms_ * coefficients;
        std::vector<float> distances;
        for (int k = 0; k < off.rows; ++k)
            distances.push_back(static_cast<float>(cv::norm(off.row(k))));
        return distances;
    }

    int nearCells(const cv::Mat& coefficients) const {
        const std::vector<float> all = residuals(coefficients);
        return static_cast<int>(
            std::count_if(all.begin(), all.end(), [](float r) { return r < kFieldReach; }));
    }

    static cv::Mat constant(const Lab& look) {
        cv::Mat coefficients = cv::Mat::zeros(6, 3, CV_64F);
        for (int c = 0; c < 3; ++c) coefficients.at<double>(0, c) = look[c];
        return coefficients;
    }

    // Least squares over the kept cell middles; false with too few of them.
    bool fit(const std::vector<bool>& kept, cv::Mat& coefficients) const {
        cv::Mat terms(0, 6, CV_64F);
        cv::Mat values(0, 3, CV_64F);
        for (int k = 0; k < terms_.rows; ++k) {
            if (!kept[k]) continue;
            terms.push_back(terms_.row(k));
            values.push_back(looks_.row(k));
        }
        constexpr int kLeastSamples = 12;
        if (terms.rows < kLeastSamples) return false;
        return cv::solve(terms, values, coefficients, cv::DECOMP_SVD);
    }

    // The cell middles, margin included, a row each: the terms of the
    // quadratic there, and their looks.
    cv::Mat terms_;
    cv::Mat looks_;
    cv::Mat coefficients_;  // 6 x 3
};

// How strongly the board's thin lines show on the arms of each crossing:
// the second strongest of the four arms, each the median along it of the
// darkest line found across it.
std::vector<float> lineStrengths(const GridPicture& picture, int g, double spacing) {
    const int side = std::max(3, static_cast<int>(std::lround(kLineBox * spacing)) | 1);
    cv::Mat lines;
    cv::morphologyEx(picture.darkest(), lines, cv::MORPH_BLACKHAT,
                     cv::getStructuringElement(cv::MORPH_RECT, cv::Size(side, side)));
    cv::GaussianBlur(lines, lines, cv::Size(), 0.7);
    std::vector<float> strengths;
    for (int j = 0; j <= g; ++j) {
        for (int i = 0; i <= g; ++i) {
            std::array<float, 4> arms{};
            const int ways[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (int w = 0; w < 4; ++w) {
                std::vector<float> along;
                for (double t = 0.12; t < 0.39; t += 0.052) {
                    uchar darkest = 0;
                    for (double s : {-0.06, 0.0, 0.06}) {
                        const double u = i + ways[w][0] * t + ways[w][1] * s;
                        const double v = j + ways[w][1] * t + ways[w][0] * s;
                        darkest = std::max(darkest, picture.at<uchar>(lines, u, v));
                    }
                    along.push_back(darkest);
                }
                arms[w] = Median(along);
            }
            std::sort(arms.begin(), arms.end());
            strengths.push_back((arms[1] + arms[2]) / 2);
        }
    }
    return strengths;
}

// The median of each channel over the square of the given reach about a
// pixel: the board's thin lines through it, a stone's glare or a speck of
// dust cover less than half of it.
Lab medianAround(const cv::Mat& lab, cv::Point centre, int reach) {
    const cv::Rect square =
        cv::Rect(centre.x - reach, centre.y - reach, 2 * reach + 1, 2 * reach + 1) &
        cv::Rect(0, 0, lab.cols, lab.rows);
    std::vector<Lab> looks;
    for (int y = square.y; y < square.y + square.height; ++y) {
        for (int x = square.x; x < square.x + square.width; ++x) looks.push_back(lab.at<Lab>(y, x));
    }
    return channelMedians(looks);
}

// For each point, where the top of a stone on it shows, less the crossing:
// away from the camera, the more the lower the view.
std::vector<cv::Vec2d> topShifts(const RaisedView& view, int g) {
    std::vector<cv::Vec2d> shifts;
    for (int j = 0; j <= g; ++j) {
        for (int i = 0; i <= g; ++i) {
            const QPointF top = view.seen(i, j, kStoneHeight);
            shifts.emplace_back(top.x() - i, top.y() - j);
        }
    }
    return shifts;
}

// The places a point's body is looked for, about its crossing: along the
// line from the camera, through the crossing towards where the top of a
// stone on it shows (shift), and to either side of that line.
std::vector<cv::Vec2d> bodyPlaces(cv::Vec2d crossing, cv::Vec2d shift) {
    const double reach = cv::norm(shift);
    const cv::Vec2d away = reach > 0 ? shift / reach : cv::Vec2d(0, -1);
    const cv::Vec2d sideways(-away[1], away[0]);
    const double farthest = std::max(kLeastReach, reach / 2);
    std::vector<cv::Vec2d> places;
    for (int step = 0; step < kAlongSteps; ++step) {
        const double along =
            -kTowardsCamera + step * (kTowardsCamera + farthest) / (kAlongSteps - 1);
        for (const double across : kAcross)
            places.push_back(crossing + along * away + across * sideways);
    }
    return places;
}

// The places not covered by a stone on front, the point next towards the
// camera, that shows from front to front + frontShift; all of them when
// every one is covered.
std::vector<cv::Vec2d> clearOfFront(const std::vector<cv::Vec2d>& places, cv::Vec2d front,
                                    cv::Vec2d frontShift) {
    std::vector<cv::Vec2d> clear;
    const double length = frontShift.dot(frontShift);
    for (const cv::Vec2d& place : places) {
        const double t =
            length > 0 ? std::clamp((place - front).dot(frontShift) / length, 0.0, 1.0) : 0;
        if (cv::norm(place - (front + t * frontShift)) >= kStoneRadius) clear.push_back(place);
    }
    return clear.empty() ? places : clear;
}

// Of the places about point (i, j), those clear of a stone on the point
// next towards the camera (the neighbour on the side its top's shift
// points away from); all of them on the board's near edge.
std::vector<cv::Vec2d> clearOfPointInFront(const std::vector<cv::Vec2d>& places, int i, int j,
                                           int g, const std::vector<cv::Vec2d>& shifts) {
    const cv::Vec2d shift = shifts[i + j * (g + 1)];
    const bool acrossRows = std::abs(shift[0]) > std::abs(shift[1]);
    const int fi = acrossRows ? i - (shift[0] > 0 ? 1 : -1) : i;
    const int fj = acrossRows ? j : j - (shift[1] > 0 ? 1 : -1);
    if (shift == cv::Vec2d() || fi < 0 || fi > g || fj < 0 || fj > g) return places;
    return clearOfFront(places, cv::Vec2d(fi, fj), shifts[fi + fj * (g + 1)]);
}

// For each point, the places its body is looked for (see bodyPlaces),
// clear of a stone on the point in front.
std::vector<std::vector<cv::Vec2d>> placesOfPoints(int g, const std::vector<cv::Vec2d>& shifts) {
    std::vector<std::vector<cv::Vec2d>> places;
    for (int j = 0; j <= g; ++j) {
        for (int i = 0; i <= g; ++i)
            places.push_back(clearOfPointInFront(
                bodyPlaces(cv::Vec2d(i, j), shifts[i + j * (g + 1)]), i, j, g, shifts));
    }
    return places;
}

// Each point's look where it is most even among its body's places, less the
// board's look there: a stone sits off its crossing, and seen from the side
// its body shows towards its top. On an empty point between two stones the
// board shows there too, between the one's top and the other's foot.
std::vector<Lab> bodyLooks(const GridPicture& picture, const BoardField& field, int g,
                           double spacing, const std::vector<std::vector<cv::Vec2d>>& places) {
    const double side = 2 * kEvenReach * spacing + 1;
    const cv::Mat mean = boxMean(picture.lab(), side);
    const cv::Mat meanOfSquares = boxMean(picture.lab().mul(picture.lab()), side);
    std::vector<Lab> looks;
    for (int j = 0; j <= g; ++j) {
        for (int i = 0; i <= g; ++i) {
            float evenest = INFINITY;
            cv::Vec2d evenestPlace;
            for (const cv::Vec2d& place : places[looks.size()]) {
                const Lab m = picture.at<Lab>(mean, place[0], place[1]);
                const Lab s = picture.at<Lab>(meanOfSquares, place[0], place[1]);
                const float spread = s[0] + s[1] + s[2] - m.dot(m);
                if (spread < evenest) {
                    evenest = spread;
                    evenestPlace = place;
                }
            }
            const cv::Point centre = picture.pixel(evenestPlace[0], evenestPlace[1]);
            looks.push_back(medianAround(picture.lab(), centre, static_cast<int>(side / 2)) -
                            field.at(i, j));
        }
    }
    return looks;
}

// Each point's brightness, to tell the stones' colours apart: the median
// over a disc about the crossing, moved a little towards where a stone's top
// shows, where a black stone's glare, a white stone's shadow or the board's
// thin lines cover less than half. The part of the disc that a stone on the
// point in front would cover is left out: on a low view a black stone there
// hides half the crossing of a white one behind it.
std::vector<float> bodyBrightness(const GridPicture& picture, int g,
                                  const std::vector<cv::Vec2d>& shifts) {
    std::vector<cv::Vec2d> disc;
    for (double du = -kBodyReach; du <= kBodyReach + 1e-9; du += kBodyStep) {
        for (double dv = -kBodyReach; dv <= kBodyReach + 1e-9; dv += kBodyStep) {
            if (du * du + dv * dv <= kBodyReach * kBodyReach + 1e-9) disc.emplace_back(du, dv);
        }
    }
    std::vector<float> brightness;
    std::vector<float> samples;
    for (int j = 0; j <= g; ++j) {
        for (int i = 0; i <= g; ++i) {
            samples.clear();
            const cv::Vec2d body = cv::Vec2d(i, j) + kBrightnessShare * shifts[brightness.size()];
            std::vector<cv::Vec2d> places;
            for (const cv::Vec2d& d : disc) places.push_back(body + d);
            for (const cv::Vec2d& place : clearOfPointInFront(places, i, j, g, shifts))
                samples.push_back(picture.at<Lab>(picture.lab(), place[0], place[1])[0]);
            brightness.push_back(Median(samples));
        }
    }
    return brightness;
}

// A ring of unit radius about a point of the grid as it shows on the
// photograph: the offsets of its samples from its centre, and the unit
// vectors outwards there. Near a point the grid's mapping is as good as
// linear, so one ring serves every place about the point.
constexpr int kRingSamples = 32;
struct Ring {
    std::array<QPointF, kRingSamples> offsets;
    std::array<QPointF, kRingSamples> outwards;
};

Ring ringAbout(const GridPicture& picture, double u, double v) {
    const QPointF across = picture.point(u + 0.5, v) - picture.point(u - 0.5, v);
    const QPointF along = picture.point(u, v + 0.5) - picture.point(u, v - 0.5);
    Ring ring;
    for (int n = 0; n < kRingSamples; ++n) {
        const double angle = 2 * M_PI * n / kRingSamples;
        ring.offsets[n] = across * std::cos(angle) + along * std::sin(angle);
        ring.outwards[n] =
            ring.offsets[n] / std::max(1e-9, std::hypot(ring.offsets[n].x(), ring.offsets[n].y()));
    }
    return ring;
}

// How clearly a round outline shows on a ring of the given radius about a
// place: how much the brightness changes across the ring, all one way (a
// stone brighter or darker than what lies around it), as a share of how
// much it changes in all, along the ring too (the board's lines through
// the crossing cross the ring as a radius does).
float outlineOnRing(const GridPicture& picture, const cv::Mat& gx, const cv::Mat& gy,
                    const Ring& ring, QPointF centre, double radius) {
    std::vector<float> outwards(kRingSamples);
    double change = 0;
    for (int n = 0; n < kRingSamples; ++n) {
        const cv::Point pixel = picture.clamped(centre + radius * ring.offsets[n]);
        const double x = gx.at<float>(pixel), y = gy.at<float>(pixel);
        const QPointF out = ring.outwards[n];
        outwards[n] = static_cast<float>(x * out.x() + y * out.y());
        change += std::abs(outwards[n]) + std::abs(x * out.y() - y * out.x());
    }
    return static_cast<float>(std::abs(Median(std::move(outwards))) / (change / kRingSamples + 1));
}

// How clearly a stone's round outline shows about each point: the most
// over the places its body is looked for, on rings a little inside and at
// a stone's radius.
std::vector<float> outlineStrengths(const GridPicture& picture, int g,
                                    const std::vector<std::vector<cv::Vec2d>>& places) {
    cv::Mat brightness, gx, gy;
    cv::extractChannel(picture.lab(), brightness, 0);
    cv::GaussianBlur(brightness, brightness, cv::Size(), 1.0);
    cv::Sobel(brightness, gx, CV_32F, 1, 0);
    cv::Sobel(brightness, gy, CV_32F, 0, 1);
    std::vector<float> strengths;
    for (int j = 0; j <= g; ++j) {
        for (int i = 0; i <= g; ++i) {
            const Ring ring = ringAbout(picture, i, j);
            float most = 0;
            for (const cv::Vec2d& place : places[strengths.size()]) {
                const QPointF centre = picture.point(place[0], place[1]);
                for (const double radius : {0.8 * kStoneRadius, 0.95 * kStoneRadius})
                    most = std::max(most, outlineOnRing(picture, gx, gy, ring, centre, radius));
            }
            strengths.push_back(most);
        }
    }
    return strengths;
}

// How a stone's shine shows about each point: on the board seen square,
// at about a pixel of the photograph to a pixel, the brightness lightly
// smoothed, how far the brightest of a disc about the crossing (all but
// kShineSpot of it) stands above the brightness most of it lies under
// (kShineBody of it). A stone's polish gives back the lamp in a small bright
// spot; the board's grain, its lines and a broad glare do not.
std::vector<float> shineStrengths(const GridPicture& picture, const Homography& toPhoto, int g,
                                  double spacing) {
    // Grid point (u, v) at pixel ((u + 1) side, (v + 1) side): a spacing
    // of margin all round.
    const int side = std::max(kLeastShineSide, static_cast<int>(std::lround(spacing)));
    const cv::Matx33d toSquare =
        cv::Matx33d(side, 0, side, 0, side, side, 0, 0, 1) * toPhoto.matrix().inv();
    cv::Mat brightness, square;
    cv::extractChannel(picture.lab(), brightness, 0);
    cv::warpPerspective(brightness, square, cv::Mat(toSquare),
                        cv::Size(side * (g + 2), side * (g + 2)));
    cv::GaussianBlur(square, square, cv::Size(), 1.0);
    const int reach = static_cast<int>(kShineReach * side);
    std::vector<float> strengths;
    std::vector<float> disc;
    for (int j = 0; j <= g; ++j) {
        for (int i = 0; i <= g; ++i) {
            disc.clear();
            for (int y = -reach; y <= reach; ++y) {
                for (int x = -reach; x <= reach; ++x) {
                    if (x * x + y * y <= reach * reach)
                        disc.push_back(square.at<float>(side * (j + 1) + y, side * (i + 1) + x));
                }
            }
            strengths.push_back(Quantile(disc, 1 - kShineSpot) - Quantile(disc, kShineBody));
        }
    }
    return strengths;
}

}  // namespace

PointFeatures MeasurePoints(const QImage& photo, const GameState& state) {
    PointFeatures measured;
    const std::optional<GridFrame> frame = FrameOfGrid(state.grid());
    if (!frame) return measured;
    const int g = state.GridMax;
    const GridPicture picture(photo, frame->toPhoto);
    const double spacing = picture.spacing(g);
    const std::vector<float> lines = lineStrengths(picture, g, spacing);
    const BoardField field(picture, g, spacing, lines);
    const std::vector<cv::Vec2d> shifts = topShifts(RaisedView(frame->toPhoto, photo.size()), g);
    const std::vector<std::vector<cv::Vec2d>> places = placesOfPoints(g, shifts);
    measured.looks = bodyLooks(picture, field, g, spacing, places);
    const float strongLine = std::max(1.0f, Quantile(lines, 0.9));
    for (const float strength : lines) measured.lines.push_back(strength / strongLine);
    measured.brightness = bodyBrightness(picture, g, shifts);
    measured.outlines = outlineStrengths(picture, g, places);
    measured.shines = shineStrengths(picture, frame->toPhoto, g, spacing);
    return measured;
}
