#pragma once

#include <QByteArray>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "render/BoardPhoto.h"
#include "render/SgfGame.h"

// How every photo of a series is taken. The whole series shares it, so the
// board, its wood and, unless knocked, the camera stay put. The renderer draws the stones'
// small offsets and the exposure from one random sequence after the board,
// so those still shift a little from one photo to the next.
struct SeriesLook {
    QSize photoSize{1600, 1200};
    Camera camera;
    std::uint32_t seed = 1;
    int jpegQuality = 92;
    QString prefix = QStringLiteral("IMG_");  // <prefix>0001.jpg, <prefix>0002.jpg, ...
    BoardWood wood = BoardWood::kKaya;
    TableCover table = TableCover::kDarkWood;
    StoneSet stoneSet = StoneSet::kBlackAndWhite;
    // The camera's automatic exposure: 0.15 draws each photo's exposure
    // within 1 +- 0.15; 0 keeps it at 1.
    double exposureDrift = 0;
    // Its automatic white balance: each channel's gain drawn within 1 +- this.
    double whiteBalanceDrift = 0;
    // The positions photographed, in order, as indexes into
    // SeriesPositions; empty: each position once. Photographs taken at
    // intervals show most positions more than once and miss some.
    std::vector<int> shown;
    // The photos (numbered from 1) that show a hand over the board's left
    // edge, each with the row the hand reaches to.
    std::map<int, int> handRows;
    // The photos (numbered from 1) in which a player leans over the board.
    std::set<int> leaning;
    // The photos (numbered from 1) in which the newest stone lies on another
    // point, this one (x, y), before the hand moves it to its own.
    std::map<int, QPoint> movedStones;
    // A hand-held camera knocked between photos: from the second photo on,
    // each photo's picture is shifted by up to knockPixels in x and in y
    // and turned by up to knockDegrees, drawn afresh for every photo from
    // the series' seed. The shift is held back, and the turn halved, where
    // the board would leave the photo.
    double knockPixels = 0;
    double knockDegrees = 0;
    // A folding board's seam and a printed border line, as BoardPhotoSetup
    // draws them.
    bool seam = false;
    bool borderLine = false;
};

// The camera's lean in the series looks: a phone held over the table is
// never quite level. Up to 12 degrees every board size is still found; 5
// keeps the near rows' spacing within 3 pixels of the middle's.
inline constexpr double kSeriesTilt = 5;

// The target grid spacing on the photo, in pixels. The stone classification
// starts reading empty star points as black beyond about 50 pixels.
inline constexpr double kSeriesSpacing = 44;

// A look at the board from the given lean, the camera standing back so that
// the grid spacing across the middle of the board is kSeriesSpacing on the
// photo as rendered. On a small photo the camera stops while the whole board,
// its sides too, is still in the picture, and the spacing stays below the
// target.
SeriesLook LookFor(int boardSize, QSize photoSize, double tiltDegrees = kSeriesTilt);

// Writes bytes into the file at path; false, with the reason, when it cannot.
bool WriteBytes(const QString& path, const QByteArray& bytes, QString& reason);

// Writes one photo per position of SeriesPositions (or of look.shown) into folder (made if
// missing) as <prefix>0001.jpg onwards; a repeated position repeats the
// photo's bytes unless the exposure drifts, a hand comes or goes, or the
// camera is knocked. Returns the paths in order, and the true grid corners
// of each photo in the same order in corners; nothing, with the reason in
// error, when the game cannot be played, the folder already holds photos with
// the prefix, or a file cannot be written (the photos already written are
// then removed, and corners is left alone).
QStringList RenderPhotoSeries(const SgfGame& game, const QString& folder, const SeriesLook& look,
                              QString* error = nullptr,
                              std::vector<GridCorners>* corners = nullptr);
