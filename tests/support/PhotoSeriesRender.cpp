#include "support/PhotoSeriesRender.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <algorithm>

#include "support/BoardView.h"
#include "support/SeriesPositions.h"

namespace {

// The nearest camera. Distance 1.0 puts the grid across 80% of the photo's
// shorter side; at 0.92 the board's edge still lies about 30 pixels inside a
// 1200 x 900 photo.
constexpr double kClosestDistance = 0.92;

// The renderer keeps only the decoded photo, so it is encoded once more.
QByteArray JpegBytes(const QImage& image, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", quality);
    return bytes;
}

bool WriteBytes(const QString& path, const QByteArray& bytes, QString& reason) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) return true;
    reason = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
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
    return look;
}

QStringList RenderPhotoSeries(const SgfGame& game, const QString& folder, const SeriesLook& look,
                              QString* error) {
    const std::optional<std::vector<BoardPosition>> positions = SeriesPositions(game, error);
    if (!positions) return {};
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return Fail(error, QStringLiteral("cannot create the folder %1").arg(folder));
    if (!dir.entryList({look.prefix + QStringLiteral("*.jpg")}, QDir::Files).isEmpty())
        return Fail(error,
                    QStringLiteral("%1 already holds %2*.jpg photos").arg(folder, look.prefix));

    BoardPhotoSetup setup{game.boardSize,  look.photoSize, look.camera, look.seed, {},
                          look.jpegQuality};
    QStringList written;
    QByteArray jpeg;
    for (const BoardPosition& position : *positions) {
        if (written.isEmpty() || position != setup.stones) {
            setup.stones = position;
            jpeg = JpegBytes(RenderBoardPhoto(setup).image, look.jpegQuality);
        }
        const QString name =
            QStringLiteral("%1%2.jpg").arg(look.prefix).arg(written.size() + 1, 4, 10, QChar(u'0'));
        written << dir.filePath(name);
        QString reason;
        if (!WriteBytes(written.back(), jpeg, reason)) {
            for (const QString& path : written) QFile::remove(path);
            return Fail(error, reason);
        }
    }
    return written;
}
