#include "geometry/LineEvidence.h"

#include <QRgb>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "util/Numbers.h"

namespace {

int brightnessOf(QRgb pixel) {
    return (qRed(pixel) * 5 + qGreen(pixel) * 9 + qBlue(pixel) * 2) / 16;
}

}  // namespace

Brightness::Brightness(const QImage& photo)
    : image_(photo.format() == QImage::Format_RGB32 || photo.format() == QImage::Format_ARGB32
                 ? photo
                 : photo.convertToFormat(QImage::Format_RGB32)) {}

QRgb Brightness::colourAt(QPointF p) const {
    // Clamped first, so that adding a half and truncating rounds to the nearest.
    const int x = static_cast<int>(std::clamp(p.x(), 0.0, image_.width() - 1.0) + 0.5);
    const int y = static_cast<int>(std::clamp(p.y(), 0.0, image_.height() - 1.0) + 0.5);
    return reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x];
}

int Brightness::at(QPointF p) const { return brightnessOf(colourAt(p)); }

std::vector<int> Brightness::area(const QRect& area) const {
    std::vector<int> values;
    values.reserve(std::size_t(area.width()) * area.height());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) values.push_back(brightnessOf(row[x]));
    }
    return values;
}

bool Brightness::contains(QPointF p) const {
    return p.x() >= 0 && p.y() >= 0 && p.x() <= image_.width() - 1 && p.y() <= image_.height() - 1;
}

std::vector<int> LineResponses(const Brightness& photo, QPointF at, QPointF across, int reach,
                               int side) {
    const QPointF along(-across.y(), across.x());
    const int length = 2 * (reach + side) + 1;
    std::vector<int> profile(length);
    for (int k = 0; k < length; ++k) {
        const QPointF p = at + across * (k - reach - side);
        profile[k] = photo.at(p - along) + photo.at(p) + photo.at(p + along);
    }
    std::vector<int> responses(2 * reach + 1);
    for (int o = 0; o <= 2 * reach; ++o) {
        const int centre = o + side;
        responses[o] =
            (std::min(profile[centre - side], profile[centre + side]) - profile[centre]) / 3;
    }
    return responses;
}

std::optional<LineHit> NearestStrongLine(const std::vector<int>& responses, int weakest) {
    const int last = static_cast<int>(responses.size()) - 1;
    const int reach = last / 2;
    auto isPeak = [&](int o) {
        return responses[o] >= weakest && (o == 0 || responses[o] >= responses[o - 1]) &&
               (o == last || responses[o] > responses[o + 1]);
    };
    int strongest = 0;
    for (int o = 0; o <= last; ++o)
        if (isPeak(o)) strongest = std::max(strongest, responses[o]);
    if (strongest == 0) return std::nullopt;
    int best = -1;
    for (int o = 0; o <= last; ++o) {
        if (isPeak(o) && 2 * responses[o] >= strongest &&
            (best < 0 || std::abs(o - reach) < std::abs(best - reach)))
            best = o;
    }
    double offset = best - reach;
    if (best > 0 && best < last)  // the top of the parabola through the peak and its neighbours
        offset += parabolaPeak(responses[best - 1], responses[best], responses[best + 1]);
    return LineHit{offset, responses[best]};
}
