#include "render/PhotoSeriesRender.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <random>

#include "game/GameState.h"
#include "render/BoardView.h"
#include "render/PhotoTextures.h"
#include "render/SeriesPositions.h"

namespace {

// The nearest camera. Distance 1.0 puts the grid across 80% of the photo's
// shorter side; at 0.92 the board's edge still lies about 30 pixels inside a
// 1200 x 900 photo.
constexpr double kClosestDistance = 0.92;
// The least room between the board and the photo's border, as a share of the
// photo's shorter side.
constexpr double kLeastRoom = 0.01;

// Where the board may lie in the photo: the photo less the least room.
QRectF RoomInside(QSize photoSize) {
    const double room = kLeastRoom * std::min(photoSize.width(), photoSize.height());
    const QRectF photo(-0.5, -0.5, photoSize.width(), photoSize.height());
    return photo.adjusted(room, room, -room, -room);
}

bool BoardFits(int boardSize, QSize photoSize, const Camera& camera) {
    return RoomInside(photoSize).contains(BoardBounds(boardSize, photoSize, camera));
}

// Drawn apart from the photos' own random sequence, so that the drift and
// the knocks leave the stones and the noise as they are, and each other too.
constexpr std::uint32_t kDriftSeed = 0x5eed0d71;
constexpr std::uint32_t kKnockSeed = 0x6b0c4ed5;

// A number in [-1, 1) from one draw.
double Spread(std::mt19937& random) { return 2 * Uniform(random) - 1; }

// The camera's automatic exposure and white balance for the next photo.
void DriftLight(const SeriesLook& look, std::mt19937& random, BoardPhotoSetup& setup) {
    setup.exposure = 1 + look.exposureDrift * Spread(random);
    for (double& gain : setup.whiteBalance) gain = 1 + look.whiteBalanceDrift * Spread(random);
}

// The further shift nearest to wanted that keeps the board, seen through
// camera, within RoomInside; none when the board is too large for it.
std::optional<QPointF> HeldInside(int boardSize, QSize photoSize, const Camera& camera,
                                  QPointF wanted) {
    const QRectF inside = RoomInside(photoSize);
    const QRectF board = BoardBounds(boardSize, photoSize, camera);
    if (board.width() > inside.width() || board.height() > inside.height()) return std::nullopt;
    return QPointF(
        std::clamp(wanted.x(), inside.left() - board.left(), inside.right() - board.right()),
        std::clamp(wanted.y(), inside.top() - board.top(), inside.bottom() - board.bottom()));
}

// The series' camera knocked by a random turn and shift for the next photo.
// A turn that leaves the board no room is halved until the board fits; a
// board that does not fit even unturned leaves the camera as it is.
Camera Knocked(int boardSize, const SeriesLook& look, std::mt19937& random) {
    const double turn = look.knockDegrees * Spread(random);
    const double right = look.knockPixels * Spread(random);
    const double down = look.knockPixels * Spread(random);
    Camera camera = look.camera;
    for (int halvings = 0; halvings < 8; ++halvings) {
        camera.rotationDegrees = look.camera.rotationDegrees + std::ldexp(turn, -halvings);
        const std::optional<QPointF> shift =
            HeldInside(boardSize, look.photoSize, camera, QPointF(right, down));
        if (shift) {
            camera.shift += *shift;
            return camera;
        }
    }
    return look.camera;
}

// Whether two setups of one series give the same photo.
bool SamePhoto(const BoardPhotoSetup& a, const BoardPhotoSetup& b) {
    return a.stones == b.stones && a.exposure == b.exposure && a.whiteBalance == b.whiteBalance &&
           a.handRow == b.handRow && a.leaning == b.leaning && a.camera == b.camera;
}

// The renderer keeps only the decoded photo, so it is encoded once more.
QByteArray JpegBytes(const QImage& image, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", quality);
    return bytes;
}

// Moves the stone that the position has and the one before it lacks onto
// the point `to`, when that point is free.
void MoveNewestStone(BoardPosition& position, const BoardPosition& before, int boardSize,
                     QPoint to) {
    const int target = to.x() + to.y() * boardSize;
    if (target < 0 || target >= static_cast<int>(position.size()) || position[target] != kEmpty)
        return;
    for (std::size_t k = 0; k < position.size(); ++k) {
        if (before[k] == kEmpty && position[k] != kEmpty) {
            std::swap(position[k], position[target]);
            return;
        }
    }
}

// The positions photographed, in order, of the count the game has; none
// when the look names one it lacks.
std::vector<int> ShownPositions(const SeriesLook& look, int count) {
    std::vector<int> shown = look.shown;
    if (shown.empty()) {
        shown.resize(count);
        std::iota(shown.begin(), shown.end(), 0);
    }
    const bool inGame =
        std::all_of(shown.begin(), shown.end(), [&](int k) { return k >= 0 && k < count; });
    return inGame ? shown : std::vector<int>{};
}

QStringList Fail(QString* error, const QString& reason) {
    if (error) *error = reason;
    return {};
}

}  // namespace

SeriesLook LookFor(int boardSize, QSize photoSize, double tiltDegrees) {
    SeriesLook look;
    look.photoSize = photoSize;
    look.camera.tiltDegrees = tiltDegrees;
    // Across the board's middle line the spacing shrinks in proportion to the distance.
    const BoardView near(boardSize, photoSize, look.camera);
    const int middle = boardSize / 2;
    const double spacing = near.project(middle + 1, middle).x() - near.project(middle, middle).x();
    look.camera.distance = std::max(kClosestDistance, spacing / kSeriesSpacing);
    while (!BoardFits(boardSize, photoSize, look.camera)) look.camera.distance *= 1.01;
    return look;
}

bool WriteBytes(const QString& path, const QByteArray& bytes, QString& reason) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) return true;
    reason = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
}

QStringList RenderPhotoSeries(const SgfGame& game, const QString& folder, const SeriesLook& look,
                              QString* error, std::vector<GridCorners>* corners) {
    const std::optional<std::vector<BoardPosition>> positions = SeriesPositions(game, error);
    if (!positions) return {};
    const std::vector<int> shown = ShownPositions(look, static_cast<int>(positions->size()));
    if (shown.empty())
        return Fail(error, QStringLiteral("the look shows a position the game lacks"));
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return Fail(error, QStringLiteral("cannot create the folder %1").arg(folder));
    if (!dir.entryList({look.prefix + QStringLiteral("*.jpg")}, QDir::Files).isEmpty())
        return Fail(error,
                    QStringLiteral("%1 already holds %2*.jpg photos").arg(folder, look.prefix));

    BoardPhotoSetup setup;
    setup.boardSize = game.boardSize;
    setup.photoSize = look.photoSize;
    setup.camera = look.camera;
    setup.seed = look.seed;
    setup.jpegQuality = look.jpegQuality;
    setup.wood = look.wood;
    setup.table = look.table;
    setup.stoneSet = look.stoneSet;
    setup.seam = look.seam;
    setup.borderLine = look.borderLine;
    std::mt19937 drift(look.seed ^ kDriftSeed);
    std::mt19937 knock(look.seed ^ kKnockSeed);
    const bool knocks = look.knockPixels > 0 || look.knockDegrees > 0;
    QStringList written;
    std::vector<GridCorners> seriesCorners;
    QByteArray jpeg;
    GridCorners photoCorners;
    for (const int index : shown) {
        BoardPhotoSetup next = setup;
        next.stones = (*positions)[index];
        DriftLight(look, drift, next);
        const int photo = static_cast<int>(written.size()) + 1;
        const auto hand = look.handRows.find(photo);
        next.handRow = hand == look.handRows.end() ? std::nullopt : std::optional(hand->second);
        next.leaning = look.leaning.count(photo) > 0;
        if (const auto moved = look.movedStones.find(photo); moved != look.movedStones.end())
            MoveNewestStone(next.stones, index > 0 ? (*positions)[index - 1] : next.stones,
                            game.boardSize, moved->second);
        if (knocks && !written.isEmpty()) next.camera = Knocked(game.boardSize, look, knock);
        if (written.isEmpty() || !SamePhoto(next, setup)) {
            const BoardPhoto photo = RenderBoardPhoto(next);
            jpeg = JpegBytes(photo.image, look.jpegQuality);
            photoCorners = photo.gridCorners();
        }
        setup = next;
        seriesCorners.push_back(photoCorners);
        const QString name =
            QStringLiteral("%1%2.jpg").arg(look.prefix).arg(written.size() + 1, 4, 10, QChar(u'0'));
        written << dir.filePath(name);
        QString reason;
        if (!WriteBytes(written.back(), jpeg, reason)) {
            for (const QString& path : written) QFile::remove(path);
            return Fail(error, reason);
        }
    }
    if (corners) *corners = seriesCorners;
    return written;
}
