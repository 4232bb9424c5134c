#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// How the camera sees the board.
struct Camera {
    // 0: straight from above. The camera leans back over the near (bottom)
    // edge, so the far (top) edge looks narrower.
    double tiltDegrees = 0;
    // Turn of the board within the photo, counter-clockwise positive.
    double rotationDegrees = 0;
    // 1.0: the grid's outline spans 80% of the photo's width or height,
    // whichever it reaches first; seen straight on, that is 80% of the
    // shorter side. 1.5: the camera stands 1.5 times as far back.
    double distance = 1.0;
    // Moves the whole picture by this many photo pixels, after the turn and
    // the centring: a camera knocked sideways.
    QPointF shift{0, 0};

    bool operator==(const Camera&) const = default;
};

// The wood of the board.
enum class BoardWood {
    kKaya,        // orange, strongly coloured
    kYellowKaya,  // yellow, a little paler than kKaya
    kMaple,       // pale and low in saturation, nearly grey
};

// What the table under the board is covered with.
enum class TableCover {
    kDarkWood,
    kWhiteCloth,  // bright, slightly bluish white with soft folds
    kBlueFelt,    // dark saturated blue with fine noise
};

// The stones' two colours.
enum class StoneSet {
    kBlackAndWhite,
    kGreen,  // dark green for Black, light green for White
    kBlue,   // navy for Black, pale blue for White
};

// What the photo shows.
struct BoardPhotoSetup {
    int boardSize = 19;  // 9, 13 or 19 lines
    QSize photoSize{1600, 1200};
    Camera camera;
    // The same seed gives the same photo: stone offsets, wood grain, light
    // and noise all come from it.
    std::uint32_t seed = 1;
    // kBlack, kWhite or kEmpty at index i + j * boardSize, i counting the
    // columns from the board's left, j the rows from its top; empty: no stones.
    std::vector<int> stones;
    StoneSet stoneSet = StoneSet::kBlackAndWhite;
    int jpegQuality = 92;
    BoardWood wood = BoardWood::kKaya;
    TableCover table = TableCover::kDarkWood;
    // The camera's exposure: every channel of the photo is multiplied by it.
    double exposure = 1.0;
    // The camera's white balance: red, green and blue multiplied by these.
    std::array<double, 3> whiteBalance{1.0, 1.0, 1.0};
    // A hand reaching in from the photo's left over the board's left edge,
    // its fingers over the first column or two of the rows around this row;
    // none: no hand. Only the hand and its shadow differ from the photo
    // without it.
    std::optional<int> handRow = std::nullopt;
    // A player leaning over the board from the photo's bottom edge: head
    // and shoulders over the near rows of its middle.
    bool leaning = false;
    // A folding board's fold: a thin dark seam across the whole board, wood
    // edge to wood edge, kSeamBelowCentre spacings below the centre row.
    bool seam = false;
    // A printed line around the grid, kBorderLineOutside spacings outside
    // the outer lines and drawn like them.
    bool borderLine = false;
};

// Where the seam and the border line lie, in grid spacings.
inline constexpr double kSeamBelowCentre = 0.15;
inline constexpr double kBorderLineOutside = 0.12;

// The grid's four corner intersections on a photo, clockwise from the top
// left: (0, 0), (last, 0), (last, last), (0, last), i counting the columns
// from the board's left and j the rows from its top.
using GridCorners = std::array<QPointF, 4>;

// A rendered photo and where its intersections truly are.
struct BoardPhoto {
    int boardSize = 0;
    // Decoded from JPEG, like a camera's file.
    QImage image;
    // Pixel position of intersection (i, j) at index i + j * boardSize; pixel
    // (x, y) has its centre at (x, y).
    std::vector<QPointF> points;

    QPointF pointAt(int i, int j) const { return points[i + j * boardSize]; }
    GridCorners gridCorners() const {
        const int last = boardSize - 1;
        return {pointAt(0, 0), pointAt(last, 0), pointAt(last, last), pointAt(0, last)};
    }
};

// The smallest rectangle around the board, its top and its sides, in the
// photo of a board of boardSize lines seen through camera.
QRectF BoardBounds(int boardSize, QSize photoSize, const Camera& camera);

// A photo of a wooden board on a table, seen through a simple pinhole camera,
// with lighting, sensor noise and JPEG compression.
BoardPhoto RenderBoardPhoto(const BoardPhotoSetup& setup);
