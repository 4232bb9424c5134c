#include "geometry/LinePieces.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>

#include "imaging/MatView.h"

namespace {

// The pieces are found on a copy at most this wide or high: enough for a
// 19-line board a third of the photograph wide, and quick.
constexpr double kPieceSide = 1000;
// The shortest piece kept, as a share of the photograph's longer side.
constexpr double kShortestPiece = 0.008;
// A piece lies on a line when both its ends lie this close to it, in spacings.
constexpr double kOnLine = 0.2;
constexpr int kFitRounds = 3;
// Fewer pieces than this on the frame's lines fix nothing.
constexpr int kFewestPieces = 12;

// The ends of the pieces that lie along one of the frame's lines, within it,
// each on its line and weighed by the piece's length. toGrid maps the
// photograph to the frame's grid.
std::vector<LinePoint> piecesOnLines(const GridFrame& frame, const Homography& toGrid,
                                     const std::vector<LinePiece>& pieces) {
    std::vector<LinePoint> points;
    for (const LinePiece& piece : pieces) {
        const QPointF a = toGrid.map(piece.a), b = toGrid.map(piece.b);
        // A column runs down the grid: its ends differ more in v than in u.
        const bool column = std::fabs(a.x() - b.x()) < std::fabs(a.y() - b.y());
        const auto across = [&](QPointF p) { return column ? p.x() : p.y(); };
        const auto along = [&](QPointF p) { return column ? p.y() : p.x(); };
        const double line = std::round((across(a) + across(b)) / 2);
        const double middle = (along(a) + along(b)) / 2;
        const int first = column ? frame.firstColumn : frame.firstRow;
        const int last = column ? frame.lastColumn : frame.lastRow;
        const int firstAlong = column ? frame.firstRow : frame.firstColumn;
        const int lastAlong = column ? frame.lastRow : frame.lastColumn;
        if (line < first || line > last || middle < firstAlong || middle > lastAlong ||
            std::fabs(across(a) - line) > kOnLine || std::fabs(across(b) - line) > kOnLine)
            continue;
        points.push_back({piece.a, column, line, piece.length()});
        points.push_back({piece.b, column, line, piece.length()});
    }
    return points;
}

}  // namespace

double LinePiece::length() const { return std::hypot(b.x() - a.x(), b.y() - a.y()); }

cv::Mat EvenedGrey(const QImage& photo) {
    cv::Mat grey;
    cv::createCLAHE(2.0, cv::Size(8, 8))->apply(BrightestChannel(photo), grey);
    return grey;
}

Brightness EvenedBrightness(const cv::Mat& grey) {
    // A view of the grey bytes; Brightness keeps a copy of its own.
    return Brightness(QImage(grey.data, grey.cols, grey.rows, static_cast<qsizetype>(grey.step),
                             QImage::Format_Grayscale8));
}

std::vector<LinePiece> FindLinePieces(const cv::Mat& grey) {
    const double shrink = std::min(1.0, kPieceSide / std::max(grey.cols, grey.rows));
    cv::Mat small = grey;
    if (shrink < 1) cv::resize(grey, small, cv::Size(), shrink, shrink, cv::INTER_AREA);
    std::vector<cv::Vec4f> found;
    cv::createLineSegmentDetector(cv::LSD_REFINE_STD)->detect(small, found);
    const double shortest = kShortestPiece * std::max(grey.cols, grey.rows);
    std::vector<LinePiece> pieces;
    for (const cv::Vec4f& s : found) {
        const LinePiece piece{QPointF(s[0], s[1]) / shrink, QPointF(s[2], s[3]) / shrink};
        if (piece.length() >= shortest) pieces.push_back(piece);
    }
    return pieces;
}

GridFrame FitToPieces(const GridFrame& frame, const std::vector<LinePiece>& pieces) {
    GridFrame fitted = frame;
    QPointF centre;
    for (const LinePiece& p : pieces) centre += (p.a + p.b) / 2;
    if (!pieces.empty()) centre /= static_cast<double>(pieces.size());
    for (int round = 0; round < kFitRounds; ++round) {
        const std::optional<Homography> toGrid = fitted.toPhoto.inverted();
        if (!toGrid) break;
        const std::vector<LinePoint> points = piecesOnLines(frame, *toGrid, pieces);
        if (static_cast<int>(points.size()) < 2 * kFewestPieces) break;
        // Photo coordinates divided by about a photograph's size keep the
        // fit's equations well conditioned.
        constexpr double kScale = 1000;
        const std::optional<Homography> moved = FitToLinePoints(points, centre, kScale);
        if (!moved) break;
        fitted.toPhoto = *moved;
    }
    return fitted;
}
