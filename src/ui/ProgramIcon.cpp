#include "ui/ProgramIcon.h"

#include <QLabel>
#include <QPainter>

QPixmap ProgramPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal edge = size / 16.0;
    painter.setPen(QPen(QColor(120, 80, 30), edge / 2));
    painter.setBrush(QColor(222, 176, 96));
    painter.drawRoundedRect(QRectF(edge / 2, edge / 2, size - edge, size - edge), edge, edge);

    // Four lines each way; the stones sit on two of the crossings.
    constexpr int kLines = 4;
    const qreal first = size * 0.2;
    const qreal step = size * 0.6 / (kLines - 1);
    painter.setPen(QPen(QColor(60, 40, 10), qMax<qreal>(1.0, size / 48.0)));
    for (int k = 0; k < kLines; ++k) {
        const qreal at = first + k * step;
        painter.drawLine(QPointF(first, at), QPointF(first + 3 * step, at));
        painter.drawLine(QPointF(at, first), QPointF(at, first + 3 * step));
    }
    const qreal radius = step * 0.47;
    painter.setPen(QPen(QColor(20, 20, 20), size / 64.0));
    painter.setBrush(QColor(25, 25, 25));
    painter.drawEllipse(QPointF(first + step, first + step), radius, radius);
    painter.setBrush(QColor(245, 245, 240));
    painter.drawEllipse(QPointF(first + 2 * step, first + 2 * step), radius, radius);
    return pixmap;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(ProgramPixmap(size));
    return icon;
}

QLabel* ProgramPictureLabel(const char* objectName, QWidget* parent) {
    constexpr int kPictureSize = 48;
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setPixmap(ProgramPixmap(kPictureSize));
    label->setAlignment(Qt::AlignCenter);
    return label;
}
