#include "recognition/PositionReading.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <optional>

#include "recognition/PointFeatures.h"
#include "util/Median.h"

namespace {

// How the points are weighed when they are grouped: their tint and lines
// against their brightness (a white stone on a pale board differs more in
// tint than in brightness, and where both fail, its body hides the lines),
// and how much less the tint of a point darker than the board counts: by
// its brightness as a share of the board's to the power tintDimming (a
// dark stone's tint is mostly the lamp's colour that it does not give
// back, and the noise of little light).
struct Weighing {
    float tintWeight;
    float lineWeight;
    float tintDimming;
};
constexpr Weighing kUsualWeighing{3, 80, 0.5f};
// Coloured lamps mislead the usual weighing: the glare on the black stones
// a lamp lights gives them its colour, and a lamp can give the board and the
// light stones one colour. The points are also grouped with a dark point's
// tint counting less still, with the lines counting twice, and with tint
// counting a third.
constexpr std::array<Weighing, 3> kOtherWeighings{{{3, 80, 1}, {3, 160, 0.5f}, {1, 80, 0.5f}}};
// Another weighing's grouping is kept when the points it reads empty spread
// less in colour than those of the usual one (the board is one material
// under a smooth light, and stones taken for it spread its colours wide),
// and either the points it takes from the usual board as stones hide the
// lines (see kHiddenLines), or its board spreads less by far: the log of
// its covariance's determinant lower by kClearlyTighter. Of those, the one
// whose board spreads least.
constexpr double kClearlyTighter = 1.5;
// A group of stones stands from the board, and from the other colour, by
// more than this share of the board's own spread of colours; on an empty
// board the groups split the board's points and stand a third of it apart.
constexpr double kApart = 0.75;
// Nor by less than this, in the grouping's measure: a white stone differs
// from the palest board by more than 5% of brightness or its tint.
constexpr float kLeastContrast = 12;
// A group of stones hides the lines: they show on it less than this share
// of what they show on the board. A group that stands kFarApart times
// kLeastContrast from the board is stones even where the lines hardly show
// anywhere (under a blue or pink lamp).
constexpr float kHiddenLines = 0.7f;
constexpr double kFarApart = 3;

// A group's shape is fitted once it has this many members, its variance
// never below kLeastVariance (a JPEG's rounding) each way, and the points
// settle into the groups in at most this many rounds.
constexpr int kLeastMembers = 6;
constexpr double kLeastVariance = 4;
constexpr int kSettlingRounds = 20;
// A group's look near a point is that of its members within about this many
// spacings, with kOverallWeight of its look over the whole board (a point's
// nearest neighbour weighs 0.95).
constexpr double kNeighbourhood = 3;
constexpr double kOverallWeight = 0.5;
// A lone stone stands from the empty points' colour by more than this many
// of their spreads (a normal spread from the median distance), and never by
// less than twice kLeastContrast.
constexpr float kLoneSpreads = 8;
// The more a point's body hides the lines, the less its colour must tell:
// it must stand from the empty points by kLoneShare of that distance, and
// as much again as the share of the empty points' lines that shows on it.
constexpr double kLoneShare = 0.5;
constexpr float kMedianToSpread = 1.4826f;

enum Group { kBoardGroup, kDarkGroup, kLightGroup };

float rowDistance(const cv::Mat& a, int row, const cv::Mat& b, int other) {
    return static_cast<float>(cv::norm(a.row(row), b.row(other)));
}

// The spread of a group about its centre: the root mean square distance.
double groupSpread(const cv::Mat& features, const cv::Mat& labels, const cv::Mat& centres,
                   int group) {
    double sum = 0;
    int count = 0;
    for (int k = 0; k < features.rows; ++k) {
        if (labels.at<int>(k) != group) continue;
        const double d = rowDistance(features, k, centres, group);
        sum += d * d;
        ++count;
    }
    return count > 0 ? std::sqrt(sum / count) : 0;
}

// Points in three groups: the board (the lines show), the darker and the
// lighter stones. Returns the groups' centres; labels holds each point's.
cv::Mat groupPoints(const cv::Mat& features, cv::Mat& labels) {
    const int n = features.rows;
    std::vector<int> byBrightness(n);
    for (int k = 0; k < n; ++k) byBrightness[k] = k;
    std::sort(byBrightness.begin(), byBrightness.end(),
              [&](int a, int b) { return features.at<float>(a, 0) < features.at<float>(b, 0); });
    cv::Mat start = cv::Mat::zeros(3, features.cols, CV_32F);
    std::vector<float> lines;
    for (int k = 0; k < n; ++k) lines.push_back(features.at<float>(k, 3));
    start.at<float>(kBoardGroup, 3) = Quantile(lines, 0.9);
    const int tenth = std::max(1, n / 10);
    for (int k = 0; k < tenth; ++k) {
        start.row(kDarkGroup) += features.row(byBrightness[k]) / tenth;
        start.row(kLightGroup) += features.row(byBrightness[n - 1 - k]) / tenth;
    }
    labels = cv::Mat(n, 1, CV_32S);
    for (int k = 0; k < n; ++k) {
        int nearest = 0;
        for (int group = 1; group < 3; ++group) {
            if (rowDistance(features, k, start, group) < rowDistance(features, k, start, nearest))
                nearest = group;
        }
        labels.at<int>(k) = nearest;
    }
    cv::Mat centres;
    cv::kmeans(features, 3, labels, cv::TermCriteria(cv::TermCriteria::COUNT, 50, 0), 1,
               cv::KMEANS_USE_INITIAL_LABELS, centres);
    return centres;
}

// The groups' colours alone: brightness and tint, without the lines.
cv::Mat colours(const cv::Mat& features) { return features.colRange(0, 3).clone(); }

// What each group is. The board is the group whose colour lies nearest the
// board's field. A group of stones must stand apart from the board: in
// colour by more than kApart of the board's spread (and kLeastContrast) with the lines
// hidden, or in colour alone by kFarApart times as much (where the
// board's lines hardly show anywhere). Otherwise it is the board too. When
// the two groups of stones stand no farther apart than kApart, they are one
// colour: Black's when it is darker than the board. Otherwise the darker
// group is Black.
std::array<int, 3> groupVerdicts(const cv::Mat& features, const cv::Mat& labels,
                                 const cv::Mat& centres) {
    const cv::Mat tints = colours(centres);
    std::array<int, 3> order{0, 1, 2};
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return cv::norm(tints.row(a)) < cv::norm(tints.row(b)); });
    const int board = order[0];
    const double spread = groupSpread(colours(features), labels, tints, board);
    const auto apart = [&](int a, int b) {
        return rowDistance(tints, a, tints, b) > std::max<double>(kLeastContrast, kApart * spread);
    };
    const auto stones = [&](int group) {
        const bool linesHidden =
            centres.at<float>(group, 3) < kHiddenLines * centres.at<float>(board, 3);
        return apart(group, board) && (linesHidden || rowDistance(tints, group, tints, board) >
                                                          kFarApart * kLeastContrast);
    };
    const auto darker = [&](int a, int b) { return tints.at<float>(a, 0) < tints.at<float>(b, 0); };
    std::array<int, 3> verdicts{};
    for (const int group : {order[1], order[2]}) {
        const int other = group == order[1] ? order[2] : order[1];
        if (!stones(group)) continue;
        const bool black =
            apart(group, other) && stones(other) ? darker(group, other) : darker(group, board);
        verdicts[group] = black ? kBlack : kWhite;
    }
    return verdicts;
}

// The group of the given verdict; 3 when there is none.
int groupOf(const std::array<int, 3>& verdicts, int verdict) {
    return static_cast<int>(std::find(verdicts.begin(), verdicts.end(), verdict) -
                            verdicts.begin());
}

// The stones of both colours told apart again by their brightness alone:
// a black stone's glare takes the lamp's colour, and on a shiny stone it
// pulls the look where it is most even towards the white stones. The two
// groups' centres follow their new members.
void splitStones(const cv::Mat& features, const std::vector<float>& brightness,
                 const std::array<int, 3>& verdicts, cv::Mat& labels, cv::Mat& centres) {
    const int black = groupOf(verdicts, kBlack), white = groupOf(verdicts, kWhite);
    if (black == 3 || white == 3) return;
    std::vector<int> stones;
    cv::Mat levels(0, 1, CV_32F);
    cv::Mat sides(0, 1, CV_32S);
    for (int k = 0; k < features.rows; ++k) {
        const int group = labels.at<int>(k);
        if (group != black && group != white) continue;
        stones.push_back(k);
        levels.push_back(brightness[k]);
        sides.push_back(group == black ? 0 : 1);
    }
    cv::Mat sideCentres;
    cv::kmeans(levels, 2, sides, cv::TermCriteria(cv::TermCriteria::COUNT, 50, 0), 1,
               cv::KMEANS_USE_INITIAL_LABELS, sideCentres);
    const bool firstDarker = sideCentres.at<float>(0) < sideCentres.at<float>(1);
    centres.row(black).setTo(0);
    centres.row(white).setTo(0);
    for (std::size_t n = 0; n < stones.size(); ++n) {
        const bool dark = (sides.at<int>(static_cast<int>(n)) == 0) == firstDarker;
        labels.at<int>(stones[n]) = dark ? black : white;
        centres.row(dark ? black : white) += features.row(stones[n]);
    }
    for (const int group : {black, white}) {
        const int members = cv::countNonZero(labels == group);
        if (members > 0) centres.row(group) /= members;
    }
}

// For every point, the sum of each column's values over the other points
// of the board, each weighed by a normal fall-off over kNeighbourhood
// spacings from the point; nothing for the point itself, so that no point
// holds itself in its group. Rows in scan order over lines × lines points.
cv::Mat sumsAround(const cv::Mat& values, int lines) {
    cv::Mat fallOff(2 * lines - 1, 1, CV_64F);
    for (int t = 0; t < fallOff.rows; ++t) {
        const double d = t - (lines - 1);
        fallOff.at<double>(t) = std::exp(-d * d / (2 * kNeighbourhood * kNeighbourhood));
    }
    cv::Mat sums(values.size(), CV_64F);
    for (int c = 0; c < values.cols; ++c) {
        const cv::Mat board = values.col(c).clone().reshape(1, lines);
        cv::Mat around;
        cv::sepFilter2D(board, around, CV_64F, fallOff, fallOff, cv::Point(-1, -1), 0,
                        cv::BORDER_CONSTANT);
        cv::Mat(around - board).reshape(1, values.rows).copyTo(sums.col(c));
    }
    return sums;
}

// A group as a normal distribution of its own shape (the board tight in
// colour, the white stones wide in tint), centred near every point on the
// group's look there: the weighted mean of its members around the point,
// drawn a little towards its mean over the board where it has few members
// near.
struct GroupShape {
    cv::Mat inverse;  // of the covariance
    double logDeterminant = 0;
    cv::Mat near;  // the group's look near each point, a row each
    bool usable = false;

    // How far each point lies from the group's look near it, in the
    // group's own spreads: a column, one row per point.
    cv::Mat distances(const cv::Mat& points) const {
        const cv::Mat off = points - near;
        cv::Mat squares;
        cv::reduce(cv::Mat(off * inverse).mul(off), squares, 1, cv::REDUCE_SUM);
        cv::sqrt(squares, squares);
        return squares;
    }
    // Each point's cost of belonging to the group: minus twice the log of
    // its likelihood, but for a constant.
    cv::Mat costs(const cv::Mat& points) const {
        const cv::Mat d = distances(points);
        return d.mul(d) + logDeterminant;
    }
};

GroupShape groupShape(const cv::Mat& features, const cv::Mat& labels, int lines, int group) {
    GroupShape shape;
    cv::Mat members;
    for (int k = 0; k < features.rows; ++k) {
        if (labels.at<int>(k) == group) members.push_back(features.row(k));
    }
    if (members.rows < kLeastMembers) return shape;
    cv::Mat covariance, mean;
    cv::calcCovarMatrix(members, covariance, mean,
                        cv::COVAR_NORMAL | cv::COVAR_ROWS | cv::COVAR_SCALE, CV_64F);
    covariance += cv::Mat::eye(covariance.size(), CV_64F) * kLeastVariance;
    shape.inverse = covariance.inv(cv::DECOMP_CHOLESKY);
    shape.logDeterminant = std::log(cv::determinant(covariance));
    cv::Mat isMember;
    cv::Mat(labels == group).convertTo(isMember, CV_64F, 1.0 / 255);
    const cv::Mat sums = sumsAround(features.mul(cv::repeat(isMember, 1, features.cols)), lines);
    const cv::Mat counts = sumsAround(isMember, lines) + kOverallWeight;
    cv::divide(sums + cv::repeat(kOverallWeight * mean, features.rows, 1),
               cv::repeat(counts, 1, features.cols), shape.near);
    shape.usable = true;
    return shape;
}

std::array<GroupShape, 3> groupShapes(const cv::Mat& features, const cv::Mat& labels, int lines) {
    return {groupShape(features, labels, lines, 0), groupShape(features, labels, lines, 1),
            groupShape(features, labels, lines, 2)};
}

// Every point joins the group most likely to have given it, until none
// moves: each group a normal distribution of its own shape over the whole
// board, centred on its look near the point. Light that falls unevenly
// changes the stones otherwise than the board (a white stone in the lamp's
// far corner looks like the white stones there, not like those under it).
std::array<GroupShape, 3> settleGroups(const cv::Mat& features, cv::Mat& labels, int lines) {
    for (int round = 0; round < kSettlingRounds; ++round) {
        const std::array<GroupShape, 3> shapes = groupShapes(features, labels, lines);
        std::array<cv::Mat, 3> costs;
        for (int group = 0; group < 3; ++group) {
            if (shapes[group].usable) costs[group] = shapes[group].costs(features);
        }
        bool moved = false;
        for (int k = 0; k < features.rows; ++k) {
            double best = INFINITY;
            int chosen = labels.at<int>(k);
            for (int group = 0; group < 3; ++group) {
                if (!shapes[group].usable || costs[group].at<double>(k) >= best) continue;
                best = costs[group].at<double>(k);
                chosen = group;
            }
            moved = moved || chosen != labels.at<int>(k);
            labels.at<int>(k) = chosen;
        }
        if (!moved) break;
    }
    return groupShapes(features, labels, lines);
}

// Tint weighs less on points darker than the board, by the given power of
// their share of its brightness, taken where its lines show most.
void dimTints(cv::Mat& features, const std::vector<float>& brightness, float tintDimming) {
    std::vector<std::pair<float, float>> byLines;
    for (int k = 0; k < features.rows; ++k)
        byLines.emplace_back(features.at<float>(k, 3), brightness[k]);
    std::sort(byLines.rbegin(), byLines.rend());
    std::vector<float> board;
    for (std::size_t k = 0; k < std::max<std::size_t>(1, byLines.size() / 10); ++k)
        board.push_back(byLines[k].second);
    const float level = std::max(1.0f, Median(board));
    for (int k = 0; k < features.rows; ++k) {
        const float dimming = std::pow(std::clamp(brightness[k] / level, 0.0f, 1.0f), tintDimming);
        features.at<float>(k, 1) *= dimming;
        features.at<float>(k, 2) *= dimming;
    }
}

// What the points read empty look like: their colour (the median of each
// channel), how far a stone stands from it (kLoneSpreads of their spread,
// at least twice kLeastContrast), and how strongly the lines show on them
// (the median).
struct EmptyLook {
    cv::Mat colour;
    double least = 0;
    float lines = 0;
};

std::optional<EmptyLook> emptyLook(const PositionReading& reading, const cv::Mat& features, int g) {
    cv::Mat colours, lines;
    for (int k = 0; k < features.rows; ++k) {
        if (reading.values[LookIndex(k % (g + 1), k / (g + 1))] != kEmpty) continue;
        colours.push_back(features.row(k).colRange(0, 3));
        lines.push_back(features.at<float>(k, 3));
    }
    if (colours.rows < kLeastMembers) return std::nullopt;
    EmptyLook look{cv::Mat(1, 3, CV_32F)};
    for (int c = 0; c < 3; ++c)
        look.colour.at<float>(c) = Median(std::vector<float>(colours.col(c)));
    std::vector<float> spreads;
    for (int n = 0; n < colours.rows; ++n)
        spreads.push_back(static_cast<float>(cv::norm(colours.row(n), look.colour)));
    look.least =
        std::max<double>(2 * kLeastContrast, kLoneSpreads * kMedianToSpread * Median(spreads));
    look.lines = Median(std::vector<float>(lines));
    return look;
}

// Stones too few to make groups of their own (an opening, a handicap):
// three groups then split the board by its light and its lines instead,
// and the stones of both colours fall into one group, or none. A point read
// empty whose colour (brightness and tint, as the groups weigh them) stands
// from that of the empty points by far more than their spread, with the
// lines hidden, is a stone (see kLoneShare). Where the stones are of one
// group only, each is Black's when darker than the empty points, White's
// when brighter, and the board's when its colour stands from theirs by no
// more than kLeastContrast (that group also takes the board's odd points:
// a seam, an edge in shade).
void takeFewStones(PositionReading& reading, const cv::Mat& features, int g, bool oneColour) {
    const std::optional<EmptyLook> empty = emptyLook(reading, features, g);
    if (!empty) return;
    const auto colourOf = [&](int k) {
        return features.at<float>(k, 0) < empty->colour.at<float>(0) ? kBlack : kWhite;
    };
    for (int k = 0; k < features.rows; ++k) {
        const int index = LookIndex(k % (g + 1), k / (g + 1));
        const double apart = cv::norm(features.row(k).colRange(0, 3), empty->colour);
        if (reading.values[index] != kEmpty) {
            if (oneColour) reading.values[index] = apart > kLeastContrast ? colourOf(k) : kEmpty;
            continue;
        }
        const float lines = features.at<float>(k, 3) / std::max(1e-6f, empty->lines);
        const double needed = empty->least * (kLoneShare + lines);
        if (apart <= needed || lines >= kHiddenLines) continue;
        reading.values[index] = colourOf(k);
        reading.margins[index] = static_cast<float>((apart - needed) / (apart + needed));
    }
}

// The rules below take the looks of the points read with at least this
// margin as their verdict's.
constexpr float kSurelyRead = 0.5f;

// The values of the points read surely, by verdict (at kEmpty + 1 and so
// on); values in scan order.
std::array<std::vector<float>, 3> surelyRead(const PositionReading& reading,
                                             const std::vector<float>& values, int g) {
    std::array<std::vector<float>, 3> sure;
    for (int k = 0; k < static_cast<int>(values.size()); ++k) {
        const int index = LookIndex(k % (g + 1), k / (g + 1));
        if (reading.margins[index] >= kSurelyRead)
            sure[reading.values[index] + 1].push_back(values[k]);
    }
    return sure;
}

// On a photograph whose lines tell the stones of a colour from the board
// without fail (on all but kOutliers of the points read surely empty they
// show at least kLinesApart times as much as on all but kOutliers of those
// stones read surely), a point read as such a stone on which the lines
// show as on those empty points is the board: a glare spot or a sheen that
// took the stones' colour. It is read unclearly, and its outline can still
// make it a stone (see takeOutlinedStones).
constexpr double kOutliers = 0.05;
constexpr float kLinesApart = 2;

void takeBareCrossings(PositionReading& reading, const std::vector<float>& lines, int g) {
    const std::array<std::vector<float>, 3> sure = surelyRead(reading, lines, g);
    if (static_cast<int>(sure[kEmpty + 1].size()) < kLeastMembers) return;
    const float board = Quantile(sure[kEmpty + 1], kOutliers);
    for (const int colour : {kBlack, kWhite}) {
        if (static_cast<int>(sure[colour + 1].size()) < kLeastMembers) continue;
        const float stones = Quantile(sure[colour + 1], 1 - kOutliers);
        if (kLinesApart * stones >= board) continue;
        for (int k = 0; k < static_cast<int>(lines.size()); ++k) {
            const int index = LookIndex(k % (g + 1), k / (g + 1));
            if (reading.values[index] != colour || lines[k] < board) continue;
            reading.values[index] = kEmpty;
            reading.margins[index] = 0;
        }
    }
}

// A stone whose colour lies near the board's (a white stone in shade, or
// under a lamp of the board's tint) can be read empty, but not clearly;
// its round outline still shows. A point read empty is a stone when its
// outline shows more than kOutlineShare of the way from how it shows on the
// points read empty to how it shows on the stones of the colour nearer its
// brightness, both read with at least kSurelyRead of margin; the more
// clearly its colour reads empty, the more clearly its outline must show:
// kShareByMargin more for each unit of margin above the unclear. Such a
// stone is read unclearly.
constexpr float kOutlineShare = 0.7f;
constexpr float kShareByMargin = 4;

// The points read surely as each verdict: how their outlines and shines
// show, and the medians of their outlines and brightness. Nothing when a
// verdict has too few points.
struct SureLooks {
    std::array<std::vector<float>, 3> outlines;
    std::array<std::vector<float>, 3> shines;
    std::array<float, 3> outline{};
    std::array<float, 3> brightness{};
};

std::optional<SureLooks> sureLooks(const PositionReading& reading, const PointFeatures& measured,
                                   int g) {
    const std::array<std::vector<float>, 3> brightness =
        surelyRead(reading, measured.brightness, g);
    SureLooks looks;
    looks.outlines = surelyRead(reading, measured.outlines, g);
    looks.shines = surelyRead(reading, measured.shines, g);
    for (int verdict = 0; verdict < 3; ++verdict) {
        if (static_cast<int>(brightness[verdict].size()) < kLeastMembers) return std::nullopt;
        looks.outline[verdict] = Median(looks.outlines[verdict]);
        looks.brightness[verdict] = Median(brightness[verdict]);
    }
    return looks;
}

// Whether the shine tells the stones of a colour from the board: on three
// quarters of those read surely it stands at least apart times as high as on
// three quarters of the points read surely empty.
bool shineTells(const SureLooks& sure, int colour, float apart) {
    return Quantile(sure.shines[colour + 1], 0.25) >=
           apart * Quantile(sure.shines[kEmpty + 1], 0.75);
}

// The stones' colour whose brightness, read surely, lies nearer the given.
int nearerColour(const SureLooks& sure, float brightness) {
    return std::abs(brightness - sure.brightness[kBlack + 1]) <
                   std::abs(brightness - sure.brightness[kWhite + 1])
               ? kBlack
               : kWhite;
}

void takeOutlinedStones(PositionReading& reading, const PointFeatures& measured,
                        const SureLooks& sure, int g) {
    const float empty = sure.outline[kEmpty + 1];
    for (int k = 0; k < static_cast<int>(measured.outlines.size()); ++k) {
        const int i = k % (g + 1), j = k / (g + 1);
        if (reading.at(i, j) != kEmpty) continue;
        const int colour = nearerColour(sure, measured.brightness[k]);
        // Where the stones' outlines show no more than the board's, the
        // outline tells nothing.
        const float stones = sure.outline[colour + 1];
        const float beyondUnclear =
            std::max(0.0f, reading.margins[LookIndex(i, j)] - PositionReading::kClearMargin);
        const float share = kOutlineShare + kShareByMargin * beyondUnclear;
        if (stones <= empty || measured.outlines[k] <= empty + share * (stones - empty)) continue;
        // Its colour still reads empty: the user is to look at it.
        reading.values[LookIndex(i, j)] = colour;
        reading.margins[LookIndex(i, j)] = 0;
    }
}

// Under a lamp that the camera takes in one or two channels only, a white
// stone in shade can show the board's very colour, and the lines can show
// through the seams about it; its polish still gives back the lamp in a
// small bright spot (see PointFeatures::shines). On a photograph where the
// shine tells the stones of a colour from the board (on three quarters of
// those read surely it stands at least kShineApart times as high as on three
// quarters of the points read surely empty), a point read empty with less
// than kUnclearShine of margin, whose shine stands more than kShineShare of
// the way from the empty points' median to those stones', is such a stone
// (of the colour nearer its brightness). It is read unclearly.
constexpr float kUnclearShine = 0.4f;
constexpr float kShineApart = 2;
constexpr float kShineShare = 0.5f;

void takeShiningStones(PositionReading& reading, const PointFeatures& measured,
                       const SureLooks& sure, int g) {
    const std::array<std::vector<float>, 3>& shines = sure.shines;
    const float empty = Median(shines[kEmpty + 1]);
    // The shine a stone of each colour must pass: none passes where the
    // shine does not tell that colour from the board.
    std::array<float, 3> least{INFINITY, INFINITY, INFINITY};
    for (const int colour : {kBlack, kWhite}) {
        if (shineTells(sure, colour, kShineApart))
            least[colour + 1] = empty + kShineShare * (Median(shines[colour + 1]) - empty);
    }
    for (int k = 0; k < static_cast<int>(measured.shines.size()); ++k) {
        const int index = LookIndex(k % (g + 1), k / (g + 1));
        if (reading.values[index] != kEmpty || reading.margins[index] >= kUnclearShine) continue;
        const int colour = nearerColour(sure, measured.brightness[k]);
        if (measured.shines[k] <= least[colour + 1]) continue;
        reading.values[index] = colour;
        reading.margins[index] = 0;
    }
}

// A black stone sitting far off its crossing, towards the board's edge,
// leaves the bare board where its body is looked for, but still darkens
// most of the disc its brightness is read over. A point read empty, not
// surely, whose brightness lies nearer the sure blacks' than the sure empty
// points' is black. It is read unclearly.
void takeDarkCrossings(PositionReading& reading, const PointFeatures& measured,
                       const SureLooks& sure, int g) {
    const float middle = (sure.brightness[kBlack + 1] + sure.brightness[kEmpty + 1]) / 2;
    for (int k = 0; k < static_cast<int>(measured.brightness.size()); ++k) {
        const int index = LookIndex(k % (g + 1), k / (g + 1));
        if (reading.values[index] != kEmpty || reading.margins[index] >= kSurelyRead ||
            measured.brightness[k] >= middle)
            continue;
        reading.values[index] = kBlack;
        reading.margins[index] = 0;
    }
}

// A white stone gives back the lamp in its shine or shows its round outline;
// a glare on the board's varnish, or a pale margin, that took the whites'
// colour does neither. A point read white is the board when its shine lies
// below kDullShine and its outline below kDullOutline of the way from the
// sure empty points' medians to the sure whites', and
// - its colour stands from the board less than kFaintWhite of the median
//   sure white's, or less than that median on a photograph where the shine
//   tells whites from the board (on three quarters of the sure whites it
//   stands kDullApart times as high as on three quarters of the sure empty
//   points);
// - or its colour reads white with less than kDullMargin of margin, and its
//   shine and outline lie below all but kOutliers of the sure whites' too.
// It is read unclearly.
constexpr float kDullApart = 1.5f;
constexpr float kDullShine = 0.25f;
constexpr float kDullOutline = 0.45f;
constexpr float kFaintWhite = 1 / 3.0f;
constexpr float kDullMargin = 0.3f;

// What a dull white is measured against: how far its colour may stand from
// the board, and the limits its shine and outline lie under, one pair for
// each way above.
struct DullLimits {
    float colour;
    float shine, outline;
    float leastShine, leastOutline;
};

DullLimits dullLimits(const PositionReading& reading, const SureLooks& sure,
                      const std::vector<float>& colours, int g) {
    const std::array<std::vector<float>, 3>& shines = sure.shines;
    const std::array<std::vector<float>, 3>& outlines = sure.outlines;
    const std::vector<float>& whites = shines[kWhite + 1];
    const auto wayToWhites = [](const std::array<std::vector<float>, 3>& values, float share) {
        const float board = Median(values[kEmpty + 1]);
        return board + share * (Median(values[kWhite + 1]) - board);
    };
    DullLimits limits;
    limits.colour = (shineTells(sure, kWhite, kDullApart) ? 1 : kFaintWhite) *
                    Median(surelyRead(reading, colours, g)[kWhite + 1]);
    limits.shine = wayToWhites(shines, kDullShine);
    limits.outline = wayToWhites(outlines, kDullOutline);
    limits.leastShine = std::min(limits.shine, Quantile(whites, kOutliers));
    limits.leastOutline = std::min(limits.outline, Quantile(outlines[kWhite + 1], kOutliers));
    return limits;
}

void takeDullWhites(PositionReading& reading, const PointFeatures& measured, const SureLooks& sure,
                    int g) {
    std::vector<float> colours;
    for (const Lab& look : measured.looks) colours.push_back(static_cast<float>(cv::norm(look)));
    const DullLimits limits = dullLimits(reading, sure, colours, g);
    for (int k = 0; k < static_cast<int>(colours.size()); ++k) {
        const int index = LookIndex(k % (g + 1), k / (g + 1));
        if (reading.values[index] != kWhite) continue;
        const float shine = measured.shines[k], outline = measured.outlines[k];
        const bool dull =
            shine < limits.shine && outline < limits.outline && colours[k] < limits.colour;
        const bool unclearAndDull = reading.margins[index] < kDullMargin &&
                                    shine < limits.leastShine && outline < limits.leastOutline;
        if (!dull && !unclearAndDull) continue;
        reading.values[index] = kEmpty;
        reading.margins[index] = 0;
    }
}

// Each point's verdict, its group's, with its margin: 1 at its group's look
// near it, 0 where a group of another verdict is as likely to have given
// it. The two costs are compared as distances from the lower of the two
// groups' least costs, so that a wide group (the white stones') and a
// tight one (the board) meet at 0 where the point would change group.
void recordGroups(PositionReading& reading, const cv::Mat& points, const cv::Mat& labels,
                  const std::array<int, 3>& verdicts, const std::array<GroupShape, 3>& shapes,
                  int g) {
    std::array<cv::Mat, 3> costs;
    for (int group = 0; group < 3; ++group) {
        if (shapes[group].usable) costs[group] = shapes[group].costs(points);
    }
    for (int k = 0; k < points.rows; ++k) {
        const int own = labels.at<int>(k);
        const int index = LookIndex(k % (g + 1), k / (g + 1));
        reading.values[index] = verdicts[own];
        reading.margins[index] = 1;
        if (!shapes[own].usable) continue;
        for (int other = 0; other < 3; ++other) {
            if (!shapes[other].usable || verdicts[other] == verdicts[own]) continue;
            const double base = std::min(shapes[own].logDeterminant, shapes[other].logDeterminant);
            const double d = std::sqrt(std::max(0.0, costs[own].at<double>(k) - base));
            const double o = std::sqrt(std::max(0.0, costs[other].at<double>(k) - base));
            reading.margins[index] =
                std::min(reading.margins[index], static_cast<float>((o - d) / (o + d + 1e-9)));
        }
    }
}

// The points' brightness, tint and lines, weighed for the grouping (tint
// not yet dimmed); a row each.
cv::Mat weighedFeatures(const PointFeatures& measured, const Weighing& weighing) {
    cv::Mat features(static_cast<int>(measured.looks.size()), 4, CV_32F);
    for (int k = 0; k < features.rows; ++k) {
        features.at<float>(k, 0) = measured.looks[k][0];
        features.at<float>(k, 1) = weighing.tintWeight * measured.looks[k][1];
        features.at<float>(k, 2) = weighing.tintWeight * measured.looks[k][2];
        features.at<float>(k, 3) = weighing.lineWeight * measured.lines[k];
    }
    return features;
}

// Colour and brightness: the features the points settle on, with tint
// weighed as given.
cv::Mat settlingFeatures(const cv::Mat& features, const std::vector<float>& brightness) {
    cv::Mat settling;
    cv::hconcat(features.colRange(0, 3), cv::Mat(brightness), settling);
    settling.convertTo(settling, CV_64F);
    return settling;
}

// The points in groups, weighed one way.
struct Grouping {
    cv::Mat labels;
    cv::Mat settling;
    std::array<int, 3> verdicts{};
    std::array<GroupShape, 3> shapes;
};

Grouping groupWith(const PointFeatures& measured, const Weighing& weighing, int lines) {
    Grouping grouping;
    const std::vector<float>& brightness = measured.brightness;
    cv::Mat features = weighedFeatures(measured, weighing);
    dimTints(features, brightness, weighing.tintDimming);
    cv::Mat centres = groupPoints(features, grouping.labels);
    grouping.verdicts = groupVerdicts(features, grouping.labels, centres);
    splitStones(features, brightness, grouping.verdicts, grouping.labels, centres);
    // The points settle on their colour and brightness. The lines, which
    // tell which group is the board, mislead single points: on a low view
    // a crossing lies at the foot of its stone's body, where the stone's
    // rim and the seam to the next one show as thin dark lines.
    grouping.settling = settlingFeatures(features, brightness);
    grouping.shapes = settleGroups(grouping.settling, grouping.labels, lines);
    return grouping;
}

bool readsEmpty(const Grouping& grouping, int k) {
    return grouping.verdicts[grouping.labels.at<int>(k)] == kEmpty;
}

// How widely the points a grouping reads empty spread in colour (tint
// weighed the usual way, not dimmed): the log of their covariance's
// determinant.
double boardSpread(const Grouping& grouping, const cv::Mat& colours, int lines) {
    cv::Mat board(grouping.labels.size(), CV_32S);
    for (int k = 0; k < board.rows; ++k) board.at<int>(k) = readsEmpty(grouping, k) ? 0 : 1;
    const GroupShape shape = groupShape(colours, board, lines, 0);
    return shape.usable ? shape.logDeterminant : INFINITY;
}

// Whether the points that other reads as stones among those usual reads
// empty hide the lines: their median strength below kHiddenLines of that
// over the points usual reads empty.
bool takesHiddenLines(const Grouping& usual, const Grouping& other,
                      const std::vector<float>& lines) {
    std::vector<float> board, taken;
    for (int k = 0; k < static_cast<int>(lines.size()); ++k) {
        if (!readsEmpty(usual, k)) continue;
        board.push_back(lines[k]);
        if (!readsEmpty(other, k)) taken.push_back(lines[k]);
    }
    return taken.empty() || Median(taken) < kHiddenLines * Median(board);
}

// The grouping of the usual weighing, or of another where its board spreads
// clearly less (see kClearlyTighter).
Grouping keptGrouping(const PointFeatures& measured, const cv::Mat& colours, int lines) {
    const Grouping usual = groupWith(measured, kUsualWeighing, lines);
    const double usualSpread = boardSpread(usual, colours, lines);
    Grouping kept = usual;
    double keptSpread = usualSpread;
    for (const Weighing& weighing : kOtherWeighings) {
        Grouping other = groupWith(measured, weighing, lines);
        const double spread = boardSpread(other, colours, lines);
        if (spread >= keptSpread || (spread >= usualSpread - kClearlyTighter &&
                                     !takesHiddenLines(usual, other, measured.lines)))
            continue;
        kept = std::move(other);
        keptSpread = spread;
    }
    return kept;
}

// A stone group's shape can reach out to points that lie plainly nearer the
// board: the white stones spread wide in tint, and a pale streak of glare
// along the board's edge, a little off the board's colour towards theirs,
// is likelier theirs than the tight board's. A point whose look (each
// feature as weighed) lies nearer the board's look near it than
// kPlainlyNearer of the way to its stone group's is the board. (Only where
// each colour has a group of its own: a group of stones of both colours has
// a look near a point that is neither's.)
constexpr double kPlainlyNearer = 0.5;

// The points so moved to the board.
std::vector<int> moveNearerToBoard(Grouping& grouping) {
    const int board = groupOf(grouping.verdicts, kEmpty);
    std::vector<int> moved;
    if (board == 3 || !grouping.shapes[board].usable) return moved;
    const cv::Mat& points = grouping.settling;
    for (int k = 0; k < points.rows; ++k) {
        const GroupShape& own = grouping.shapes[grouping.labels.at<int>(k)];
        if (grouping.labels.at<int>(k) == board || !own.usable) continue;
        if (cv::norm(points.row(k), grouping.shapes[board].near.row(k)) <
            kPlainlyNearer * cv::norm(points.row(k), own.near.row(k))) {
            grouping.labels.at<int>(k) = board;
            moved.push_back(k);
        }
    }
    return moved;
}

}  // namespace

PositionReading ReadPosition(const QImage& photo, const GameState& state) {
    PositionReading reading;
    const PointFeatures measured = MeasurePoints(photo, state);
    if (measured.looks.empty()) return reading;
    const int g = state.GridMax;
    const cv::Mat undimmed = weighedFeatures(measured, kUsualWeighing);
    const cv::Mat colours = settlingFeatures(undimmed, measured.brightness);
    Grouping kept = keptGrouping(measured, colours, g + 1);
    const bool oneColour =
        groupOf(kept.verdicts, kBlack) == 3 || groupOf(kept.verdicts, kWhite) == 3;
    const std::vector<int> moved = oneColour ? std::vector<int>() : moveNearerToBoard(kept);
    recordGroups(reading, kept.settling, kept.labels, kept.verdicts, kept.shapes, g);
    // Their colour reads otherwise: the user is to look at them.
    for (const int k : moved) reading.margins[LookIndex(k % (g + 1), k / (g + 1))] = 0;
    takeFewStones(reading, undimmed, g, oneColour);
    takeBareCrossings(reading, measured.lines, g);
    // The last rules read a point they change with no margin, so the points
    // read surely stay the same for each.
    const std::optional<SureLooks> sure = sureLooks(reading, measured, g);
    if (!sure) return reading;
    takeOutlinedStones(reading, measured, *sure, g);
    takeShiningStones(reading, measured, *sure, g);
    takeDarkCrossings(reading, measured, *sure, g);
    takeDullWhites(reading, measured, *sure, g);
    return reading;
}
