#include "render/BoardPhoto.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "render/BoardView.h"
#include "render/PhotoTextures.h"
#include "render/StonePainting.h"

namespace {

// Sizes in line spacings.
constexpr double kMargin = 0.7;  // board beyond the outer lines
constexpr double kThickness = 1.0;
constexpr double kLineWidth = 0.045;
constexpr double kStarRadius = 0.1;
constexpr double kSeamWidth = 0.035;

const QColor kInk(30, 24, 18);
// The shadowed gap between a folding board's halves.
const QColor kSeamShade(52, 34, 20);

// How a board of the wood looks: its top and its darker sides.
struct WoodFinish {
    WoodLook top;
    QColor sides;
};

// The default kaya, or the paler woods.
WoodFinish FinishOf(BoardWood wood) {
    switch (wood) {
        case BoardWood::kYellowKaya:
            return {{QColor(228, 192, 112), 60, 0.05}, QColor(162, 122, 60)};
        case BoardWood::kMaple:
            return {{QColor(204, 200, 191), 90, 0.04}, QColor(160, 150, 130)};
        case BoardWood::kKaya:
            break;
    }
    return {{QColor(218, 168, 86), 60, 0.05}, QColor(150, 102, 48)};
}

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

// What covers the table, `width` line spacings of it seen in the photo.
QImage TableTexture(TableCover cover, double width, std::mt19937& random) {
    switch (cover) {
        case TableCover::kWhiteCloth:
            return ClothTexture({1024, 1024}, {QColor(222, 227, 236), width / 10, 0.5, 0.03},
                                random);
        case TableCover::kBlueFelt:
            return ClothTexture({1024, 1024}, {QColor(24, 46, 112), width / 10, 0.1, 0.3}, random);
        case TableCover::kDarkWood:
            break;
    }
    return WoodTexture({512, 512}, {QColor(78, 54, 40), 0.8 * width, 0.3}, random);
}

// The table, as far as the photo shows it, under the board's plane.
void PaintTable(QPainter& painter, const BoardView& view, QSize photoSize, TableCover cover,
                std::mt19937& random) {
    const QTransform table = view.plane(-kThickness);
    const QRectF photo(-1, -1, photoSize.width() + 2, photoSize.height() + 2);
    const QRectF seen = table.inverted().map(QPolygonF(photo)).boundingRect();
    const QImage texture = TableTexture(cover, seen.width(), random);
    painter.save();
    painter.setTransform(table, true);
    painter.drawImage(seen, texture);
    painter.restore();
}

// A soft shadow of the given outline in the photo, drawn small and blown up
// to blur it.
void PaintSoftShadow(QPainter& painter, QSize photoSize, const QPolygonF& shape, int alpha) {
    constexpr int kBlur = 12;
    QImage shadow(photoSize / kBlur + QSize(2, 2), QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    QPainter shade(&shadow);
    shade.setRenderHint(QPainter::Antialiasing);
    shade.scale(1.0 / kBlur, 1.0 / kBlur);
    shade.setPen(Qt::NoPen);
    shade.setBrush(QColor(0, 0, 0, alpha));
    shade.drawPolygon(shape);
    shade.end();
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(shadow.size()) * kBlur), shadow);
}

// The board's shadow to the lower right.
void PaintBoardShadow(QPainter& painter, const BoardView& view, int boardSize, QSize photoSize) {
    const QRectF shadow = BoardRect(boardSize).translated(0.3, 0.4);
    PaintSoftShadow(painter, photoSize, Outline(view, shadow, -kThickness), 160);
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
void PaintBoardSides(QPainter& painter, const BoardView& view, int boardSize, QColor colour) {
    const QPolygonF top = Outline(view, BoardRect(boardSize), 0);
    const QPolygonF bottom = Outline(view, BoardRect(boardSize), -kThickness);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
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

// The printed line around the grid, parallel to its outer lines.
void PaintBorderLine(QPainter& painter, int boardSize) {
    const double last = boardSize - 1;
    painter.setPen(QPen(kInk, kLineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(-kBorderLineOutside, -kBorderLineOutside, last + 2 * kBorderLineOutside,
                            last + 2 * kBorderLineOutside));
}

// A folding board's fold, across the whole top from the left edge to the right.
void PaintSeam(QPainter& painter, int boardSize) {
    const QRectF board = BoardRect(boardSize);
    const double row = (boardSize - 1) / 2.0 + kSeamBelowCentre;
    painter.setPen(QPen(kSeamShade, kSeamWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(board.left(), row), QPointF(board.right(), row));
}

void PaintBoardTop(QPainter& painter, const BoardView& view, const BoardPhotoSetup& setup,
                   const WoodLook& look, std::mt19937& random) {
    const int boardSize = setup.boardSize;
    const QImage wood = WoodTexture({1024, 1024}, look, random);
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
    if (setup.borderLine) PaintBorderLine(painter, boardSize);
    if (setup.seam) PaintSeam(painter, boardSize);
    PaintGlare(painter, BoardRect(boardSize), random);
    painter.restore();
}

// Uneven light across the photo with darker corners, the camera's exposure
// and white balance, and sensor noise.
void ExposeWithNoise(QImage& photo, const BoardPhotoSetup& setup, std::mt19937& random) {
    constexpr double kNoise = 7;  // largest noise step; about 3 levels typical
    const double angle = 2 * std::numbers::pi * Uniform(random);
    const double gain = 0.95 + 0.1 * Uniform(random);
    const double halfDiagonal = std::hypot(photo.width(), photo.height()) / 2;
    const double slopeX = 0.15 * std::cos(angle) / halfDiagonal;
    const double slopeY = 0.15 * std::sin(angle) / halfDiagonal;
    const double red = setup.exposure * setup.whiteBalance[0];
    const double green = setup.exposure * setup.whiteBalance[1];
    const double blue = setup.exposure * setup.whiteBalance[2];
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
            row[x] = qRgb(ColourChannel(qRed(row[x]) * (light * red) + noise(bits)),
                          ColourChannel(qGreen(row[x]) * (light * green) + noise(bits >> 16)),
                          ColourChannel(qBlue(row[x]) * (light * blue) + noise(more)));
        }
    }
}

// The hand's sizes in line spacings.
constexpr double kHandHeight = 0.6;  // above the board, clear of the stones
constexpr double kFingerGap = 0.85;  // from one finger to the next
constexpr double kFingerWidth = 0.72;
constexpr double kFingerBase = -2.2;  // column where the fingers leave the palm
// Its shadow's offset on the board, as the stones' shadows fall.
const QPointF kHandShadowShift(0.3, 0.4);

// Finger k, from -1 above the middle one to 1 below it, fanning out a little.
QPainterPath Finger(double row, int k) {
    const double tip = k == 0 ? 1.4 : 1.0;  // the middle finger reaches furthest
    const QPointF root(kFingerBase, row + k * kFingerGap);
    QPainterPath path;
    path.addRoundedRect(QRectF(0, -kFingerWidth / 2, tip - kFingerBase, kFingerWidth),
                        kFingerWidth / 2, kFingerWidth / 2);
    return QTransform().translate(root.x(), root.y()).rotate(4 * k).map(path);
}

// The palm and the arm behind it, reaching far beyond the photo's left.
QPainterPath PalmAndArm(double row) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addRoundedRect(QRectF(-60, row - 1.3, 57, 2.6), 1.2, 1.2);
    path.addEllipse(QPointF(-3.2, row), 2.3, 1.9);
    return path;
}

// Skin lit from the upper left: light along the top edge, shaded along the
// bottom one.
QLinearGradient Skin(double top, double bottom) {
    QLinearGradient skin(QPointF(0, top), QPointF(0.3 * (bottom - top), bottom));
    skin.setColorAt(0, QColor(240, 200, 182));
    skin.setColorAt(0.35, QColor(225, 180, 160));
    skin.setColorAt(1, QColor(172, 126, 108));
    return skin;
}

// A hand over the board's left edge, the middle finger over columns 0 and 1
// of boardRow as the camera sees them, and the hand's soft shadow.
void PaintHand(QPainter& painter, const BoardView& view, QSize photoSize, int boardRow) {
    const QTransform plane = view.plane(kHandHeight);
    const double row = plane.inverted().map(view.project(0, boardRow)).y();
    QPainterPath hand = PalmAndArm(row);
    for (int k = -1; k <= 1; ++k) hand = hand.united(Finger(row, k));
    const QPainterPath shadow = view.plane(0).map(hand.translated(kHandShadowShift));
    PaintSoftShadow(painter, photoSize, shadow.toFillPolygon(), 110);
    painter.save();
    painter.setTransform(plane, true);
    painter.setPen(QPen(QColor(140, 95, 80, 110), 0.05));
    for (int k = -1; k <= 1; ++k) {
        const double middle = row + k * kFingerGap;
        painter.setBrush(Skin(middle - kFingerWidth / 2, middle + kFingerWidth / 2));
        painter.drawPath(Finger(row, k));
    }
    // The palm covers the fingers' roots and their outlines.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Skin(row - 1.9, row + 1.9));
    painter.drawPath(PalmAndArm(row));
    painter.restore();
}

// Dark hair over a shirt's shoulders, coming up from the photo's bottom edge
// to a fifth of its height.
void PaintLeaningPlayer(QPainter& painter, QSize photoSize) {
    const double w = photoSize.width(), h = photoSize.height();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(52, 64, 92));
    painter.drawRoundedRect(QRectF(0.22 * w, 0.9 * h, 0.56 * w, 0.3 * h), 0.08 * w, 0.08 * w);
    painter.setBrush(QColor(38, 28, 22));
    painter.drawEllipse(QPointF(0.5 * w, 0.86 * h), 0.11 * w, 0.11 * h);
    painter.restore();
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

QRectF BoardBounds(int boardSize, QSize photoSize, const Camera& camera) {
    const BoardView view(boardSize, photoSize, camera);
    const QRectF top = Outline(view, BoardRect(boardSize), 0).boundingRect();
    return top.united(Outline(view, BoardRect(boardSize), -kThickness).boundingRect());
}

BoardPhoto RenderBoardPhoto(const BoardPhotoSetup& setup) {
    std::mt19937 random(setup.seed);
    const BoardView view(setup.boardSize, setup.photoSize, setup.camera);
    QImage photo(setup.photoSize, QImage::Format_RGB32);
    photo.fill(Qt::black);  // the table covers it all; this only keeps stale memory out
    QPainter painter(&photo);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.translate(0.5, 0.5);  // QPainter puts pixel centres at half steps
    const WoodFinish finish = FinishOf(setup.wood);
    PaintTable(painter, view, setup.photoSize, setup.table, random);
    PaintBoardShadow(painter, view, setup.boardSize, setup.photoSize);
    PaintBoardSides(painter, view, setup.boardSize, finish.sides);
    PaintBoardTop(painter, view, setup, finish.top, random);
    PaintStones(painter, view, setup.boardSize, setup.stones, setup.stoneSet, random);
    if (setup.handRow) PaintHand(painter, view, setup.photoSize, *setup.handRow);
    if (setup.leaning) PaintLeaningPlayer(painter, setup.photoSize);
    painter.end();
    ExposeWithNoise(photo, setup, random);

    BoardPhoto result;
    result.boardSize = setup.boardSize;
    result.image = ThroughJpeg(photo, setup.jpegQuality);
    const QTransform board = view.plane(0);
    for (int j = 0; j < setup.boardSize; ++j) {
        for (int i = 0; i < setup.boardSize; ++i) result.points.push_back(board.map(QPointF(i, j)));
    }
    return result;
}
