#include "ui/ZoomView.h"

#include <QPainter>

#include "game/GameState.h"
#include "game/MoveText.h"
#include "recognition/ColourWindow.h"

namespace {

const QColor kGridColour(0, 128, 255);
const QColor kInspectedColour(255, 0, 0);
// Small enough for the names not to run into the next intersection.
constexpr int kNamePixels = 9;

}  // namespace

ZoomView::ZoomView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pic3"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ZoomView::showAround(const QImage& photo, QPoint pixel, const GameState& state) {
    photo_ = photo;
    pixel_ = pixel;
    grid_.clear();
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) {
            grid_.push_back({QPoint(state.GridPoints(i, j, 0), state.GridPoints(i, j, 1)),
                             PointName(i, j, state.BoardSize)});
        }
    }
    update();
}

void ZoomView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.translate(QPoint(width() / 2, height() / 2) - pixel_);
    painter.drawImage(0, 0, photo_);
    const int reach = kWindowReach;
    QFont small = font();
    small.setPixelSize(kNamePixels);
    painter.setFont(small);
    painter.setPen(kGridColour);
    for (const Intersection& at : grid_) {
        const QPoint p = at.point;
        painter.drawEllipse(p, 2, 2);
        painter.drawRect(QRect(QPoint(p.x() - reach, p.y() - kWindowLift - reach),
                               QPoint(p.x() + reach, p.y() - kWindowLift + reach)));
        painter.drawText(p + QPoint(reach + 2, -kWindowLift + reach), at.name);
    }
    painter.setPen(kInspectedColour);
    painter.drawRect(QRect(pixel_ - QPoint(reach, reach), pixel_ + QPoint(reach, reach)));
}
