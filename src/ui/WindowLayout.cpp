#include "ui/WindowLayout.h"

#include <algorithm>

namespace {

// Between the frames and the window's edges, and between the two frames.
constexpr int kEdgeMargin = 8;
constexpr int kGapBetweenFrames = 23;

// The largest rectangle of the photo's proportions centred in the area (the
// whole area while there is no photo).
QRect fitPhoto(const QRect& area, QSize photo) {
    if (photo.isEmpty() || area.isEmpty()) return area;
    const QSize fitted = photo.scaled(area.size(), Qt::KeepAspectRatio);
    return QRect(area.left() + (area.width() - fitted.width()) / 2,
                 area.top() + (area.height() - fitted.height()) / 2, fitted.width(),
                 fitted.height());
}

}  // namespace

QSize MinimumWindowSize(QSize options, QSize details, int barHeight) {
    return {options.width() + details.width() + 2 * kEdgeMargin + kGapBetweenFrames,
            std::max(options.height(), details.height()) + 2 * kEdgeMargin + barHeight};
}

OptionsPlaces OptionsArrangement(QSize window, QSize options, QSize details, int barHeight) {
    const int height = std::max(options.height(), details.height());
    const int pairWidth = options.width() + kGapBetweenFrames + details.width();
    const int left = (window.width() - pairWidth) / 2;
    const int top = std::max(kEdgeMargin, (window.height() - barHeight - height) / 2);
    return {QRect(left, top, options.width(), height),
            QRect(left + options.width() + kGapBetweenFrames, top, details.width(), height)};
}

ProcessingPlaces ProcessingArrangement(QSize window, QSize details, int boardHeight, QSize photo,
                                       int barHeight) {
    ProcessingPlaces places;
    const int right = window.width() - kEdgeMargin;
    places.details = QRect(right - details.width(), kEdgeMargin, details.width(), details.height());
    places.board = QRect(places.details.left(), places.details.bottom() + 1 + kEdgeMargin,
                         details.width(), boardHeight);

    const QRect area(kEdgeMargin, kEdgeMargin, places.details.left() - 2 * kEdgeMargin,
                     window.height() - barHeight - 2 * kEdgeMargin);
    places.photo = fitPhoto(area, photo);
    return places;
}

CalibrationPlaces CalibrationArrangement(QSize window, int buttonHeight, QSize photo) {
    const QRect button(kEdgeMargin, window.height() - kEdgeMargin - buttonHeight,
                       window.width() - 2 * kEdgeMargin, buttonHeight);
    const QRect area(kEdgeMargin, kEdgeMargin, button.width(), button.top() - 2 * kEdgeMargin);
    return {fitPhoto(area, photo), button};
}
