#include "ui/PhotoView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace {

constexpr double kMaxZoom = 8.0;
constexpr double kZoomStep = 1.25;
const QColor kMarkerColour(255, 0, 255);
constexpr int kMarkerWidth = 3;

}  // namespace

PhotoView::PhotoView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(false);
    setCursor(Qt::CrossCursor);
}

void PhotoView::setPhoto(const QImage& photo) {
    photo_ = photo;
    zoom_ = 1.0;
    keepPanInside();
    update();
}

void PhotoView::setOverlay(std::vector<OverlayLine> lines) {
    overlay_ = std::move(lines);
    update();
}

double PhotoView::fitScale() const {
    if (photo_.isNull()) return 1.0;
    return std::min(double(width()) / photo_.width(), double(height()) / photo_.height());
}

void PhotoView::setStoneMarker(QPointF centre, double diameter) {
    const QSizeF size(diameter, diameter);
    marker_ = QRectF(centre - QPointF(diameter, diameter) / 2, size);
    update();
}

void PhotoView::hideStoneMarker() {
    marker_.reset();
    update();
}

QSizeF PhotoView::displayedSize() const { return QSizeF(photo_.size()) * fitScale() * zoom_; }

QPointF PhotoView::toView(QPointF photoPoint) const {
    return pan_ + photoPoint * (fitScale() * zoom_);
}

QPointF PhotoView::toPhoto(QPointF viewPoint) const {
    return (viewPoint - pan_) / (fitScale() * zoom_);
}

void PhotoView::keepPanInside() {
    const QSizeF shown = displayedSize();
    // Centred while it fits, otherwise never showing anything beside the photo.
    auto place = [](double pan, double shown, double room) {
        if (shown <= room) return (room - shown) / 2;
        return std::clamp(pan, room - shown, 0.0);
    };
    pan_ =
        QPointF(place(pan_.x(), shown.width(), width()), place(pan_.y(), shown.height(), height()));
}

void PhotoView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (photo_.isNull()) return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, zoom_ < 2.0);
    painter.drawImage(QRectF(pan_, displayedSize()), photo_);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const OverlayLine& line : overlay_) {
        painter.setPen(QPen(line.colour, line.width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QLineF(toView(line.line.p1()), toView(line.line.p2())));
    }
    if (marker_) {
        painter.setPen(QPen(kMarkerColour, kMarkerWidth));
        painter.drawEllipse(QRectF(toView(marker_->topLeft()), toView(marker_->bottomRight())));
    }
}

void PhotoView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        panning_ = true;
        panStart_ = event->position() - pan_;
    } else if (event->button() == Qt::LeftButton) {
        emit leftPressed(toPhoto(event->position()));
    }
}

void PhotoView::mouseMoveEvent(QMouseEvent* event) {
    if (panning_) {
        pan_ = event->position() - panStart_;
        keepPanInside();
        update();
    } else if (event->buttons() & Qt::LeftButton) {
        emit leftDragged(toPhoto(event->position()));
    }
}

void PhotoView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        panning_ = false;
    } else if (event->button() == Qt::LeftButton) {
        emit leftReleased(toPhoto(event->position()));
    }
}

void PhotoView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit leftDoubleClicked(toPhoto(event->position()));
}

void PhotoView::wheelEvent(QWheelEvent* event) {
    const QPointF anchor = event->position();
    const QPointF photoPoint = toPhoto(anchor);
    const double factor = event->angleDelta().y() > 0 ? kZoomStep : 1.0 / kZoomStep;
    zoom_ = std::clamp(zoom_ * factor, 1.0, kMaxZoom);
    pan_ = anchor - photoPoint * (fitScale() * zoom_);  // the point under the pointer stays
    keepPanInside();
    update();
}

void PhotoView::resizeEvent(QResizeEvent*) { keepPanInside(); }
