#include "ui/BoardDiagram.h"

#include <QMouseEvent>
#include <QPainter>

#include "game/GameState.h"
#include "game/MoveText.h"
#include "recognition/ColourWindow.h"
#include "util/Numbers.h"

namespace {

const QColor kLineColour(1, 1, 1);
const QColor kMarkColour(255, 0, 0);
// Room between the board and its letters.
constexpr int kLabelGap = 3;

}  // namespace

BoardPicture::BoardPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picStones"));
}

void BoardPicture::setBoard(int boardSize, int cellSize, int boardColour) {
    boardSize_ = boardSize;
    cell_ = cellSize;
    colour_ = ColourOfValue(boardColour);
    const int side = boardSize * cellSize + 2;
    setFixedSize(side, side);
    image_ = QImage(side, side, QImage::Format_RGB32);
    image_.fill(colour_);
    update();
}

void BoardPicture::drawPosition(const GameState& state, int move, std::optional<QPoint> mark) {
    const int c = cell_;
    const int h = c / 2;
    const int last = (boardSize_ - 1) * c;  // from the first line to the last
    image_.fill(colour_);
    QPainter painter(&image_);
    for (int k = 0; k < boardSize_; ++k) {
        painter.fillRect(centreOf(k), h + 1, 1, last + 1, kLineColour);
        painter.fillRect(h + 1, centreOf(k), last + 1, 1, kLineColour);
    }
    const int d = StarPointDistance(boardSize_);
    const int middle = (boardSize_ - 1) / 2;
    for (int a : {-d, 0, d}) {
        for (int b : {-d, 0, d})
            painter.fillRect(centreOf(middle + a) - 1, centreOf(middle + b) - 1, 3, 3, Qt::black);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    for (int i = 0; i < boardSize_; ++i) {
        for (int j = 0; j < boardSize_; ++j) {
            const int value = state.Positions(i, j, move);
            if (value == kEmpty) continue;
            painter.setBrush(value == kBlack ? Qt::black : Qt::white);
            painter.drawEllipse(QPointF(centreOf(i) + 0.5, centreOf(j) + 0.5), h, h);
        }
    }
    if (mark) {
        painter.setPen(QPen(kMarkColour, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(centreOf(mark->x()) + 0.5, centreOf(mark->y()) + 0.5), h / 2.0,
                            h / 2.0);
    }
    update();
}

void BoardPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void BoardPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || cell_ == 0) return;
    const QPoint at = event->position().toPoint();
    const auto i = static_cast<int>(floorToInt(double(at.x() - 1) / cell_));
    const auto j = static_cast<int>(floorToInt(double(at.y() - 1) / cell_));
    if (i >= 0 && j >= 0 && i < boardSize_ && j < boardSize_) emit intersectionDoubleClicked(i, j);
}

BoardDiagram::BoardDiagram(int pictureSpan, QWidget* parent) : QWidget(parent), span_(pictureSpan) {
    setObjectName(QStringLiteral("picSfondo"));
    picStones = new BoardPicture(this);
}

void BoardDiagram::setBoard(int boardSize, int boardColour) {
    boardSize_ = boardSize;
    boardColour_ = boardColour;
    picStones->setBoard(boardSize, span_ / boardSize, boardColour);
    updateGeometry();
    placePicture();
    update();
}

int BoardDiagram::labelWidth() const {
    return fontMetrics().horizontalAdvance(QStringLiteral("M"));
}

QSize BoardDiagram::sizeHint() const {
    const int side = picStones->width();
    return {side + 2 * (labelWidth() + 2 * kLabelGap), side + 2 * fontMetrics().height()};
}

void BoardDiagram::placePicture() {
    picStones->move((width() - picStones->width()) / 2, fontMetrics().height());
}

void BoardDiagram::resizeEvent(QResizeEvent*) { placePicture(); }

void BoardDiagram::paintEvent(QPaintEvent*) {
    if (boardSize_ == 0) return;
    QPainter painter(this);
    const QRect board = picStones->geometry();
    const int c = picStones->CellSize();
    const int lineHeight = fontMetrics().height();
    for (int k = 0; k < boardSize_; ++k) {
        const int centre = picStones->centreOf(k);
        const QString number = QString::number(boardSize_ - k);
        const QRect column(board.left() + centre - c, 0, 2 * c, lineHeight);
        painter.drawText(column, Qt::AlignCenter, number);
        painter.drawText(column.translated(0, board.bottom() + 1), Qt::AlignCenter, number);

        const QString letter = ColumnLetter(boardSize_ - 1 - k);
        const QRect left(board.left() - kLabelGap - labelWidth(), board.top() + centre - c,
                         labelWidth(), 2 * c);
        painter.drawText(left, Qt::AlignVCenter | Qt::AlignRight, letter);
        painter.drawText(QRect(board.right() + 1 + kLabelGap, left.top(), labelWidth(), 2 * c),
                         Qt::AlignVCenter | Qt::AlignLeft, letter);
    }
}
