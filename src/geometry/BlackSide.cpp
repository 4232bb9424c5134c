#include "geometry/BlackSide.h"

#include <QtCore/qnamespace.h>

#include "game/GameState.h"
#include "game/UserPort.h"
#include "util/Geometry.h"

namespace {

QPointF gridPoint(const GameState& state, int i, int j) {
    return {static_cast<qreal>(state.GridPoints(i, j, 0)),
            static_cast<qreal>(state.GridPoints(i, j, 1))};
}

// The middle intersection of a side.
QPointF sideMiddle(const QString& side, const GameState& state) {
    const int g = state.GridMax, m = g / 2;
    if (side == u"N") return gridPoint(state, m, 0);
    if (side == u"S") return gridPoint(state, m, g);
    if (side == u"E") return gridPoint(state, g, m);
    return gridPoint(state, 0, m);
}

}  // namespace

void ChooseBlackSide(QString& side, UserPort& port) {
    if (side.isEmpty()) side = QStringLiteral("E");
    port.ChooseSide(side);
}

QString SideForKey(int key) {
    switch (key) {
        case Qt::Key_Left:
            return QStringLiteral("W");
        case Qt::Key_Up:
            return QStringLiteral("N");
        case Qt::Key_Right:
            return QStringLiteral("E");
        case Qt::Key_Down:
            return QStringLiteral("S");
        default:
            return {};
    }
}

QString NearestSide(QPointF point, const GameState& state) {
    QString nearest;
    float best = 0.0f;
    for (const char16_t* side : {u"N", u"S", u"E", u"W"}) {
        const QPointF middle = sideMiddle(QString::fromUtf16(side), state);
        const float d = PointDistance(point.x(), point.y(), middle.x(), middle.y());
        if (nearest.isEmpty() || d < best) {
            best = d;
            nearest = QString::fromUtf16(side);
        }
    }
    return nearest;
}

std::array<QLineF, 6> SideMarker(const QString& side, const GameState& state) {
    const int g = state.GridMax, m = g / 2;
    // Points along the chosen side: u runs along it, v across it (v = the
    // side's own line, inner = the line next to it towards the centre).
    const bool vertical = side == u"E" || side == u"W";
    const int edge = side == u"N" || side == u"W" ? 0 : g;
    const int inner = edge == 0 ? 1 : g - 1;
    auto at = [&](int u, int v) {
        return vertical ? gridPoint(state, v, u) : gridPoint(state, u, v);
    };
    auto midpoint = [&](int u1, int u2) { return (at(u1, inner) + at(u2, inner)) / 2; };

    const QPointF tip = 2 * at(m, edge) - at(m, inner);
    const std::array<QPointF, 6> outline{tip,
                                         midpoint(m + 2, m + 1),
                                         midpoint(m + 1, m),
                                         gridPoint(state, m, m),
                                         midpoint(m, m - 1),
                                         midpoint(m - 1, m - 2)};
    std::array<QLineF, 6> marker;
    for (int k = 0; k < 6; ++k) marker[k] = QLineF(outline[k], outline[(k + 1) % 6]);
    return marker;
}
