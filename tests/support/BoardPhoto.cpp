#include "support/BoardPhoto.h"

#include <QBuffer>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "support/BoardView.h"
#include "support/PhotoTextures.h"
#include "support/StonePainting.h"

namespace {

// Sizes in line spacings.
constexpr double kMargin = 0.7;  // board beyond the outer lines
constexpr double kThickness = 1.0;
constexpr double kLineWidth = 0.045;
constexpr double kStarRadius = 0.1;

const QColor kInk(30, 24, 18);

// The board's surface, in grid coordinates.
QRectF BoardRect(int boardSize) {
    return QRectF(-kMargin, -kMargin, boardSize - 1 + 2 * kMargin, boardSize - 1 + 2 * kMargin);
}

// The corners of a rectangle at height z, clockwise from the far left one.
QPolygonF Outline(const BoardView& view, const QRectF& rect, double z) {
    QPolygonF outline;
    for (const QPointF& corner :
         {rect.topLeft(), rect.topRight(), rect.bottomRight(), rect.bottomLeft()}) {
        outline << view.project(corner.x(), corner.y(), z);
    }
    return outline;
}

std::vector<QPointF> StarPoints(int boardSize) {
    const double low = boardSize < 13 ? 2 : 3;
    const double high = boardSize - 1 - low;
    const double middle = boardSize / 2;
    std::vector<QPointF> stars{
        {low, low}, {high, low}, {low, high}, {high, high}, {middle, middle}};
    if (boardSize == 19)
        stars.insert(stars.end(), {{middle, low}, {low, middle}, {high, middle}, {middle, high}});
    return stars;
}

// The table, as far as the photo shows it, under the board's plane.
void PaintTable(QPainter& painter, const BoardView& view, QSize photoSize, std::mt19937& random) {
    const QTransform table = view.plane(-kThickness);
    const QRectF photo(-1, -1, photoSize.width() + 2, photoSize.height() + 2);
    const QRectF seen = table.inverted().map(QPolygonF(photo)).boundingRect();
    const WoodLook look{QColor(78, 54, 40), 0.8 * seen.width(), 0.3};
    const QImage wood = WoodTexture({512, 512}, look, random);
    painter.save();
    painter.setTransform(table, true);
    painter.drawImage(seen, wood);
    painter.restore();
}

// A soft shadow to the lower right, drawn small and blown up to blur it.
void PaintBoardShadow(QPainter& painter, const BoardView& view, int boardSize, QSize photoSize) {
    constexpr int kBlur = 12;
    QImage shadow(photoSize / kBlur + QSize(2, 2), QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    QPainter shade(&shadow);
    shade.setRenderHint(QPainter::Antialiasing);
    shade.scale(1.0 / kBlur, 1.0 / kBlur);
    shade.setPen(Qt::NoPen);
    shade.setBrush(QColor(0, 0, 0, 160));
    shade.drawPolygon(Outline(view, BoardRect(boardSize).translated(0.3, 0.4), -kThickness));
    shade.end();
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(shadow.size()) * kBlur), shadow);
}

double SignedArea(const QPolygonF& polygon) {
    double area = 0;
    for (int k = 0; k < polygon.size(); ++k) {
        const QPointF& a = polygon[k];
        const QPointF& b = polygon[(k + 1) % polygon.size()];
        area += a.x() * b.y() - b.x() * a.y();
    }
    return area / 2;
}

// The board's sides that face the camera, darker than its top.
void PaintBoardSides(QPainter& painter, const BoardView& view, int boardSize) {
    const QPolygonF top = Outline(view, BoardRect(boardSize), 0);
    const QPolygonF bottom = Outline(view, BoardRect(boardSize), -kThickness);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 102, 48));
    for (int k = 0; k < 4; ++k) {
        const int next = (k + 1) % 4;
        const QPolygonF side({top[k], top[next], bottom[next], bottom[k]});
        // A side turned away from the camera comes out mirrored, with the
        // opposite winding, and lies hidden under the top anyway.
        if (SignedArea(side) < 0) painter.drawPolygon(side);
    }
}

// The lamp's soft reflection somewhere on the polished surface.
void PaintGlare(QPainter& painter, const QRectF& board, std::mt19937& random) {
    const QPointF centre(board.left() + board.width() * Uniform(random),
                         board.top() + board.height() * Uniform(random));
    QRadialGradient glare(centre, 0.6 * board.width());
    glare.setColorAt(0, QColor(255, 250, 235, 45));
    glare.setColorAt(1, QColor(255, 250, 235, 0));
    painter.setBrush(glare);
    painter.drawRect(board);
}

void PaintBoardTop(QPainter& painter, const BoardView& view, int boardSize, std::mt19937& random) {
    const QImage wood = WoodTexture({1024, 1024}, {QColor(218, 168, 86), 60, 0.05}, random);
    const double last = boardSize - 1;
    painter.save();
    painter.setTransform(view.plane(0), true);
    painter.drawImage(BoardRect(boardSize), wood);
    painter.setPen(QPen(QColor(90, 60, 30, 150), 0.04));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(BoardRect(boardSize));
    painter.setPen(QPen(kInk, kLineWidth, Qt::SolidLine, Qt::SquareCap));
    for (int k = 0; k < boardSize; ++k) {
        painter.drawLine(QPointF(k, 0), QPointF(k, last));
        painter.drawLine(QPointF(0, k), QPointF(last, k));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    for (const QPointF& star : StarPoints(boardSize))
        painter.drawEllipse(star, kStarRadius, kStarRadius);
    PaintGlare(painter, BoardRect(boardSize), random);
    painter.restore();
}

// Uneven light across the photo with darker corners, the camera's exposure
// and sensor noise.
void ExposeWithNoise(QImage& photo, std::mt19937& random) {
    constexpr double kNoise = 7;  // largest noise step; about 3 levels typical
    const double angle = 2 * std::numbers::pi * Uniform(random);
    const double gain = 0.95 + 0.1 * Uniform(random);
    const double halfDiagonal = std::hypot(photo.width(), photo.height()) / 2;
    const double slopeX = 0.15 * std::cos(angle) / halfDiagonal;
    const double slopeY = 0.15 * std::sin(angle) / halfDiagonal;
    const auto noise = [](std::uint32_t bits) {
        return ((bits & 0xff) + ((bits >> 8) & 0xff) - 255.0) * kNoise / 255;
    };
    for (int y = 0; y < photo.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
        const double dy = y - photo.height() / 2.0;
        for (int x = 0; x < photo.width(); ++x) {
            const double dx = x - photo.width() / 2.0;
            const double fade = (dx * dx + dy * dy) / (halfDiagonal * halfDiagonal);
            const double light = gain * (1 + slopeX * dx + slopeY * dy - 0.2 * fade);
            const std::uint32_t bits = random();
            const std::uint32_t more = random();
            row[x] = qRgb(ColourChannel(qRed(row[x]) * light + noise(bits)),
                          ColourChannel(qGreen(row[x]) * light + noise(bits >> 16)),
                          ColourChannel(qBlue(row[x]) * light + noise(more)));
        }
    }
}

QImage ThroughJpeg(const QImage& photo, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!photo.save(&buffer, "JPG", quality)) qFatal("RenderBoardPhoto: this Qt cannot write JPEG");
    QImage decoded;
    decoded.loadFromData(bytes, "JPG");
    return decoded;
}

}  // namespace

BoardPhoto RenderBoardPhoto(const BoardPhotoSetup& setup) {
    std::mt19937 random(setup.seed);
    const BoardView view(setup.boardSize, setup.photoSize, setup.camera);
    QImage photo(setup.photoSize, QImage::Format_RGB32);
    photo.fill(Qt::black);  // the table covers it all; this only keeps stale memory out
    QPainter painter(&photo);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.translate(0.5, 0.5);  // QPainter puts pixel centres at half steps
    PaintTable(painter, view, setup.photoSize, random);
    PaintBoardShadow(painter, view, setup.boardSize, setup.photoSize);
    PaintBoardSides(painter, view, setup.boardSize);
    PaintBoardTop(painter, view, setup.boardSize, random);
    PaintStones(painter, view, setup.boardSize, setup.stones, random);
    painter.end();
    ExposeWithNoise(photo, random);

    BoardPhoto result;
    result.boardSize = setup.boardSize;
    result.image = ThroughJpeg(photo, setup.jpegQuality);
    const QTransform board = view.plane(0);
    for (int j = 0; j < setup.boardSize; ++j) {
        for (int i = 0; i < setup.boardSize; ++i) result.points.push_back(board.map(QPointF(i, j)));
    }
    return result;
}
