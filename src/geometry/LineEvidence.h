#pragma once

#include <QImage>
#include <QPointF>
#include <optional>
#include <vector>

// The brightness of a photograph's pixels (0 ... 255, green counted most,
// as the eye does), read where the grid's lines are looked for.
class Brightness {
public:
    explicit Brightness(const QImage& photo);

    // The pixel nearest to p; points beyond the photograph read its edge.
    int at(QPointF p) const;
    // The colour of the pixel nearest to p, read as at().
    QRgb colourAt(QPointF p) const;
    // The pixels of an area on the photograph, row by row.
    std::vector<int> area(const QRect& area) const;
    bool contains(QPointF p) const;
    QRect bounds() const { return image_.rect(); }

private:
    QImage image_;
};

// How strongly a thin dark line crosses a short path through `at`, offset by
// offset from -reach to +reach pixels along the unit vector across: how much
// darker each point is than the darker of the two points side pixels to
// either side of it. A line scores; the step from the board to the table, a
// stone's edge and the inside of a stone do not.
// Each point is averaged over three pixels along the line. Index reach is
// offset 0.
std::vector<int> LineResponses(const Brightness& photo, QPointF at, QPointF across, int reach,
                               int side);

// A line found on such a path: its offset (to a tenth of a pixel) and
// response.
struct LineHit {
    double offset = 0;
    int response = 0;
};

// Of the peaks of the responses at least `weakest` strong, the nearest to
// offset 0 among those at least half as strong as the strongest: a printed
// border or a seam beside a grid line does not draw the search off the line
// it starts on. std::nullopt when no peak is that strong.
std::optional<LineHit> NearestStrongLine(const std::vector<int>& responses, int weakest);
