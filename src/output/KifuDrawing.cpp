#include "output/KifuDrawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

#include "game/MoveText.h"
#include "util/Numbers.h"

namespace {

const QString kEllipsis = QStringLiteral("...");

QString stoneLabel(int label, int n) {
    if (label > 0) return QString::number(label);
    const int code = -label;
    return QString(ColumnLetter(code % n)) + QString::number(code / n + 1);
}

QString shortened(const QString& text) { return text.left(text.size() - 4) + kEllipsis; }

void setPenColour(QPainter& painter, const QColor& colour) {
    QPen pen = painter.pen();
    pen.setColor(colour);
    painter.setPen(pen);
}

}  // namespace

QString Underscores(int n) { return QString(n, u'_'); }

int RoundedHalf(double value) { return static_cast<int>(roundHalfEven(value)) / 2; }

double TextWidth(const QPainter& painter, const QString& text) {
    return QFontMetricsF(painter.font()).horizontalAdvance(text);
}

double TextHeight(const QPainter& painter) { return QFontMetricsF(painter.font()).height(); }

void PrintText(QPainter& painter, double x, double y, const QString& text, const QColor& colour) {
    setPenColour(painter, colour);
    painter.drawText(QPointF(x, y + QFontMetricsF(painter.font()).ascent()), text);
}

void SetKifuFont(QPainter& painter, double pixels) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPointSizeF(pixels * 72.0 / painter.device()->logicalDpiY());
    painter.setFont(font);
}

void DrawKifuStone(QPainter& painter, int x, int y, int radius, bool white, int label, int n) {
    const QColor fill = white ? Qt::white : Qt::black;
    const QColor ink = white ? Qt::black : Qt::white;
    setPenColour(painter, ink);
    painter.setBrush(fill);
    painter.drawEllipse(QPointF(x, y), radius, radius);
    if (label == 0) return;
    const QString text = stoneLabel(label, n);
    PrintText(painter, x - RoundedHalf(TextWidth(painter, text)),
              y - RoundedHalf(TextHeight(painter)), text, ink);
}

void DrawKifuArrow(QPainter& painter, int x, int y, double length) {
    const int h = RoundedHalf(length);
    const int back = RoundedHalf(length * qCos(qDegreesToRadians(20.0)));
    const int side = RoundedHalf(length * qSin(qDegreesToRadians(20.0)));
    setPenColour(painter, Qt::black);
    painter.drawLine(x - h, y, x + h, y);
    painter.drawLine(x + h - back, y - side, x + h, y);
    painter.drawLine(x + h - back, y + side, x + h, y);
}

QString FitFieldText(const QPainter& painter, const QString& text, int n) {
    const double fieldWidth = static_cast<double>(roundHalfEven(TextWidth(painter, Underscores(n))));
    if (text.isEmpty() || fieldWidth == 0) return {};
    if (TextWidth(painter, text + u' ') <= fieldWidth) return text;
    QString fitted = text.left(text.size() - 1) + kEllipsis;
    while (fitted != kEllipsis && TextWidth(painter, fitted) > fieldWidth) fitted = shortened(fitted);
    if (fitted != kEllipsis) fitted = shortened(fitted);
    return fitted;
}

int FillUnderscoreCount(const QPainter& painter, const QString& text, int maxWidth) {
    int count = 0;
    while (TextWidth(painter, text + Underscores(count)) <= maxWidth) ++count;
    return count;
}
