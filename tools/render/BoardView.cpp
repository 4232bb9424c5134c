#include "render/BoardView.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Camera distance from the board's centre at distance 1.0, in half grid
// widths: about what a phone held over the table sees, a visible but not
// extreme perspective when tilted.
constexpr double kNearDistance = 3.0;
// Share of the photo the grid's outline may span at distance 1.0.
constexpr double kFill = 0.8;

double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

}  // namespace

BoardView::BoardView(int boardSize, QSize photoSize, const Camera& camera)
    : last_(boardSize - 1),
      centre_(last_ / 2),
      cosTilt_(std::cos(Radians(camera.tiltDegrees))),
      sinTilt_(std::sin(Radians(camera.tiltDegrees))),
      cosTurn_(std::cos(Radians(camera.rotationDegrees))),
      sinTurn_(std::sin(Radians(camera.rotationDegrees))),
      distance_(kNearDistance * centre_ * camera.distance) {
    // The focal length that makes the grid fill the photo at distance 1.0,
    // then the shift that centres the grid at the true distance, and the
    // camera's own shift on top.
    const QRectF nearGrid = gridOutline(kNearDistance * centre_).boundingRect();
    focal_ = kFill *
             std::min(photoSize.width() / nearGrid.width(), photoSize.height() / nearGrid.height());
    const QRectF grid = gridOutline(distance_).boundingRect();
    const QPointF photoCentre((photoSize.width() - 1) / 2.0, (photoSize.height() - 1) / 2.0);
    shift_ = photoCentre - focal_ * grid.center() + camera.shift;
}

QPointF BoardView::project(double i, double j, double z) const {
    return shift_ + focal_ * lens(i, j, z, distance_);
}

QTransform BoardView::plane(double z) const {
    const QPolygonF square({{0, 0}, {last_, 0}, {last_, last_}, {0, last_}});
    QPolygonF photo;
    for (const QPointF& corner : square) photo << project(corner.x(), corner.y(), z);
    QTransform map;
    QTransform::quadToQuad(square, photo, map);
    return map;
}

QPointF BoardView::lens(double i, double j, double z, double distance) const {
    // The camera looks at the board's centre from above its near side; x runs
    // to the right, y towards the near edge.
    const double x = i - centre_;
    const double y = j - centre_;
    const double depth = distance - y * sinTilt_ - z * cosTilt_;
    const double u = x / depth;
    const double v = (y * cosTilt_ - z * sinTilt_) / depth;
    // With y pointing down, this turns the picture counter-clockwise.
    return {u * cosTurn_ + v * sinTurn_, -u * sinTurn_ + v * cosTurn_};
}

QPolygonF BoardView::gridOutline(double distance) const {
    return QPolygonF({lens(0, 0, 0, distance), lens(last_, 0, 0, distance),
                      lens(last_, last_, 0, distance), lens(0, last_, 0, distance)});
}
