#pragma once

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QWidget>
#include <optional>
#include <vector>

// A line drawn over the photograph, in photograph pixels; its width is in
// screen pixels.
struct OverlayLine {
    QLineF line;
    QColor colour;
    int width = 1;
};

// The photograph display (imgShow): the photo scaled to the widget with
// lines drawn over it. The mouse wheel zooms in around the pointer and the
// right button drags the zoomed photo, so corners can be placed to the
// pixel; the left button is reported in photograph pixels.
class PhotoView : public QWidget {
    Q_OBJECT
public:
    explicit PhotoView(QWidget* parent);

    void setPhoto(const QImage& photo);
    const QImage& photo() const { return photo_; }
    void setOverlay(std::vector<OverlayLine> lines);
    const std::vector<OverlayLine>& overlay() const { return overlay_; }

    // The marker over a stone the user looks at (shpHnG): a circle of the
    // given diameter around a photograph point.
    void setStoneMarker(QPointF centre, double diameter);
    void hideStoneMarker();
    std::optional<QRectF> stoneMarker() const { return marker_; }

    // Photograph pixels to widget pixels and back, with the current zoom.
    QPointF toView(QPointF photoPoint) const;
    QPointF toPhoto(QPointF viewPoint) const;
    // The photograph's displayed size at the current zoom.
    QSizeF displayedSize() const;

signals:
    void leftPressed(QPointF photoPoint);
    void leftDragged(QPointF photoPoint);
    void leftReleased(QPointF photoPoint);
    void leftDoubleClicked(QPointF photoPoint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double fitScale() const;
    // Keeps the zoomed photo covering the widget.
    void keepPanInside();

    QImage photo_;
    std::vector<OverlayLine> overlay_;
    std::optional<QRectF> marker_;
    double zoom_ = 1.0;
    QPointF pan_;  // widget position of the photo's top-left corner
    QPointF panStart_;
    bool panning_ = false;
};
