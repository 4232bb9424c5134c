#include "output/KifuSheet.h"

#include <QFile>
#include <QPainter>
#include <array>
#include <vector>

#include "game/GameState.h"
#include "game/MoveText.h"
#include "imaging/ConverterRuns.h"
#include "imaging/GreyPng.h"
#include "output/KifuDrawing.h"
#include "output/KifuForm.h"
#include "output/KifuLayout.h"
#include "output/SgfRecord.h"
#include "util/Numbers.h"

namespace {

struct BoardStone {
    int x = 0;
    int y = 0;
    bool white = false;
    int label = 0;  // move number, or minus the code of a handicap stone's point
};

// A move on a point that already held a stone, and that first stone.
struct Repetition {
    int move = 0;
    bool white = false;
    int firstLabel = 0;
    bool firstWhite = false;
};

struct Pass {
    int move = 0;
    bool white = false;
};

// What the sheet shows, read from the record before anything is drawn, so
// that the picture's height is known.
struct SheetContent {
    std::vector<BoardStone> stones;
    std::vector<Repetition> repetitions;
    std::vector<Pass> passes;
};

// The first stone drawn on each point.
class BoardMemory {
public:
    const BoardStone* at(int x, int y) const { return used_[x][y] ? &stones_[x][y] : nullptr; }
    void put(const BoardStone& stone) {
        used_[stone.x][stone.y] = true;
        stones_[stone.x][stone.y] = stone;
    }

private:
    std::array<std::array<bool, kMaxLines>, kMaxLines> used_{};
    std::array<std::array<BoardStone, kMaxLines>, kMaxLines> stones_{};
};

bool onBoard(int x, int y, int n) { return x >= 0 && x < n && y >= 0 && y < n; }

SheetContent readRecord(const SgfRecord& record) {
    const int n = record.boardSize;
    SheetContent content;
    BoardMemory memory;
    for (const bool white : {false, true}) {
        for (const QPoint stone : white ? record.setupWhiteStones : record.setupStones) {
            const int x = stone.x();
            const int y = stone.y();
            if (!onBoard(x, y, n)) continue;
            memory.put({x, y, white, -(x + n * (n - 1 - y))});
            content.stones.push_back({x, y, white, 0});  // drawn without a label
        }
    }
    for (std::size_t index = 0; index < record.moves.size(); ++index) {
        const SgfMove& move = record.moves[index];
        const int k = static_cast<int>(index) + 1;
        if (move.kind == SgfMove::Kind::Pass) content.passes.push_back({k, move.white});
        const int x = move.point.x();
        const int y = move.point.y();
        if (move.kind != SgfMove::Kind::Stone || !onBoard(x, y, n)) continue;
        if (const BoardStone* first = memory.at(x, y)) {
            content.repetitions.push_back({k, move.white, first->label, first->white});
            continue;
        }
        memory.put({x, y, move.white, k});
        content.stones.push_back({x, y, move.white, k});
    }
    return content;
}

// Rows of entries below the board: rows of perRow, one row pitch 1.25 cells.
int extraRows(std::size_t entries, int perRow) { return static_cast<int>(entries - 1) / perRow; }

int grownHeight(int height, double cells, int s) {
    return static_cast<int>(roundHalfEven(height + cells * s));
}

class SheetPainter {
public:
    SheetPainter(QImage& sheet, const KifuLayout& layout, int n)
        : painter_(&sheet), s_(layout.cell), n_(n) {
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setPen(
            QPen(Qt::black, layout.lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        SetKifuFont(painter_, layout.fontPixels);
    }

    QPainter& painter() { return painter_; }

    void board() {
        const int g = n_ - 1;
        painter_.setBrush(Qt::white);
        painter_.drawRect(QRect(QPoint(((21 - n_) * s_) / 2, s_),
                                QPoint(((n_ + 22) * s_) / 2, ((2 * n_ + 3) * s_) / 2)));
        for (int k = 0; k <= g; ++k) {
            painter_.drawLine(point(k, 0), point(k, g));
            painter_.drawLine(point(0, k), point(g, k));
        }
        const int d = StarPointDistance(n_);
        const double radius = 2 * (s_ / 22.5);
        painter_.setBrush(Qt::black);
        for (int a : {-d, 0, d}) {
            for (int b : {-d, 0, d}) {
                painter_.drawEllipse(
                    QPointF(((4 * a + 43) * s_) / 4, ((2 * n_ + 5 + 4 * b) * s_) / 4), radius,
                    radius);
            }
        }
        coordinates();
    }

    void stones(const std::vector<BoardStone>& stones) {
        for (const BoardStone& stone : stones) {
            const QPoint at = point(stone.x, stone.y);
            DrawKifuStone(painter_, at.x(), at.y(), s_ / 2, stone.white, stone.label, n_);
        }
    }

    void repetitions(const std::vector<Repetition>& entries, int height) {
        const Section section =
            startSection(QStringLiteral("Ripetizioni:"), height, extraRows(entries.size(), 5));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const Repetition& e = entries[i];
            const double column = (i % 5) * 3.5;
            const int y = section.rowCentre(i / 5, s_);
            DrawKifuStone(painter_, section.x(column + 1.75, s_), y, section.radius, e.white,
                          e.move, n_);
            DrawKifuStone(painter_, section.x(column + 3.35, s_), y, section.radius, e.firstWhite,
                          e.firstLabel, n_);
            DrawKifuArrow(painter_, section.x(column + 2.55, s_), y, s_ / 2.5);
        }
    }

    void passes(const std::vector<Pass>& entries, int height) {
        const Section section =
            startSection(QStringLiteral("Passi:"), height, extraRows(entries.size(), 14));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            DrawKifuStone(painter_, section.x((i % 14) * 1.25 + 1.75, s_),
                          section.rowCentre(i / 14, s_), section.radius, entries[i].white,
                          entries[i].move, n_);
        }
    }

private:
    // A section of entries below the board, its title printed at the left.
    struct Section {
        double top;  // the first row's top edge
        double titleWidth;
        double titleHeight;
        int radius;
        // x of an entry: cells from the left, after the title.
        int x(double cells, int s) const {
            return static_cast<int>(roundHalfEven(cells * s + titleWidth));
        }
        int rowCentre(std::size_t row, int s) const {
            return static_cast<int>(roundHalfEven(top + row * 1.25 * s - titleHeight / 2));
        }
    };

    Section startSection(const QString& title, int height, int rows) {
        const Section section{height - (rows * 1.25 + 0.5) * s_, TextWidth(painter_, title),
                              TextHeight(painter_), static_cast<int>(roundHalfEven(s_ / 2.0))};
        print(s_, section.top - section.titleHeight, title);
        return section;
    }

    QPoint point(int x, int y) const {
        return {((45 - 2 * n_) * s_) / 4 + x * s_, (7 * s_) / 4 + y * s_};
    }

    // Letters above and below the board from the left, numbers on both
    // sides from n at the top.
    void coordinates() {
        const int halfHeight = RoundedHalf(TextHeight(painter_));
        const int left = RoundedHalf((20.3 - n_) * s_);
        const int right = RoundedHalf((n_ + 22.7) * s_);
        for (int k = 0; k < n_; ++k) {
            const QString letter = ColumnLetter(k);
            const QString number = QString::number(n_ - k);
            const int x = ((45 - 2 * n_ + 4 * k) * s_) / 4 - halfWidth(letter);
            print(x, 0.65 * s_ - halfHeight, letter);
            print(x, (n_ + 1.85) * s_ - halfHeight, letter);
            const double y = (k + 1.75) * s_ - halfHeight;
            print(left - halfWidth(number), y, number);
            print(right - halfWidth(number), y, number);
        }
    }
    int halfWidth(const QString& text) const { return RoundedHalf(TextWidth(painter_, text)); }
    void print(double x, double y, const QString& text) {
        PrintText(painter_, x, y, text, Qt::black);
    }

    QPainter painter_;
    int s_;
    int n_;
};

}  // namespace

QImage RenderKifuSheet(const SgfRecord& record, const GameDetails& details,
                       const KifuLayout& layout) {
    const int n = record.boardSize;
    const int s = layout.cell;
    const SheetContent content = readRecord(record);

    const int boardHeight = (n + 3) * s;
    int repetitionsHeight = boardHeight;
    if (!content.repetitions.empty())
        repetitionsHeight =
            grownHeight(boardHeight, extraRows(content.repetitions.size(), 5) * 1.25 + 1.5, s);
    int passesHeight = repetitionsHeight;
    if (!content.passes.empty())
        passesHeight =
            grownHeight(repetitionsHeight, extraRows(content.passes.size(), 14) * 1.25 + 1.5, s);
    const int height = grownHeight(passesHeight, kInformationCells, s);

    QImage sheet(layout.pictureWidth, height, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    SheetPainter painter(sheet, layout, n);
    painter.board();
    painter.stones(content.stones);
    if (!content.repetitions.empty()) painter.repetitions(content.repetitions, repetitionsHeight);
    if (!content.passes.empty()) painter.passes(content.passes, passesHeight);
    DrawInformationBlock(painter.painter(), layout, height, details);
    return sheet;
}

bool SaveKifuSheet(const QImage& sheet, const KifuLayout& layout, const QString& base,
                   const QString& converter, UserPort& port) {
    // A sheet of greys is written here, with the pixels the converter would
    // give, many times faster than through a BMP; anything else, or a
    // folder that takes no file, goes the converter's way, which reports it.
    const bool grey = sheet.allGray();
    if (grey && !converter.isEmpty() && WriteGreyPng(sheet, layout.margin, base + ".png")) {
        QFile::remove(base + ".bmp");
        return true;
    }
    // For the converter, a sheet of greys is an 8-bit BMP: a third of the
    // size to write and to read, with the same pixels.
    const QImage stored = grey ? sheet.convertToFormat(QImage::Format_Grayscale8) : sheet;
    return SavePictureAsPng(stored, base, KifuConverterOptions(layout), converter, port);
}
