#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

struct GameState;

// The board itself (picStones): lines, star points and the stones of one
// position, drawn pixel by pixel so that it looks the same on every screen.
// Intersection (i, j) lies at pixel (i * c + c / 2 + 1, j * c + c / 2 + 1),
// c being the cell size, i counting from the left and j from the top of the
// photographs.
class BoardPicture : public QWidget {
    Q_OBJECT
public:
    explicit BoardPicture(QWidget* parent);

    // The board of boardSize lines in the board colour (red + 256 * green +
    // 65536 * blue), cells of cellSize pixels; the picture is
    // boardSize * cellSize + 2 pixels square.
    void setBoard(int boardSize, int cellSize, int boardColour);
    // Draws the position after the move, with a red ring on the marked
    // intersection if there is one.
    void drawPosition(const GameState& state, int move, std::optional<QPoint> mark = {});

    int CellSize() const { return cell_; }
    // The pixel of line k, across or down the picture.
    int centreOf(int k) const { return k * cell_ + cell_ / 2 + 1; }
    const QImage& image() const { return image_; }

signals:
    // The intersection under a double-click of the left button.
    void intersectionDoubleClicked(int i, int j);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int boardSize_ = 0;
    int cell_ = 0;
    QColor colour_;
    QImage image_;
};

// The board with the coordinates of its lines around it, in the form of the
// move texts: numbers from the board size at the left down to 1 above and
// below, letters from "A" at the bottom upwards on both sides. The board is
// centred horizontally.
class BoardDiagram : public QWidget {
    Q_OBJECT
public:
    // pictureSpan: the pixels the board may take; the cell size is
    // pictureSpan / board size, rounded down.
    BoardDiagram(int pictureSpan, QWidget* parent);

    void setBoard(int boardSize, int boardColour);
    bool isSetFor(int boardSize, int boardColour) const {
        return boardSize == boardSize_ && boardColour == boardColour_;
    }
    QSize sizeHint() const override;

    BoardPicture* picStones = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int labelWidth() const;
    void placePicture();

    int span_;
    int boardSize_ = 0;
    int boardColour_ = -1;
};
