#include "ui/ProgressBar.h"

#include <QPainter>

ProgressBar::ProgressBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picProgressBar"));
    setAutoFillBackground(true);
    // White text stays readable on the blue part it rides on.
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    hide();
}

ProgressChange ProgressBar::Show(long& value, long maximum) {
    const ProgressChange change = model_.Show(value, maximum);
    if (change == ProgressChange::Stopped) hide();
    if (change == ProgressChange::Started || change == ProgressChange::Updated) show();
    return change;
}

QSize ProgressBar::sizeHint() const { return {100, fontMetrics().height() + 2}; }

void ProgressBar::paintEvent(QPaintEvent*) {
    if (!model_.InUse()) return;
    QPainter painter(this);
    const QString text = model_.PercentText();
    const int textWidth = painter.fontMetrics().horizontalAdvance(text);
    const int filled = static_cast<int>(model_.FilledWidth(width(), textWidth));
    const int right = filled + textWidth;  // last blue column

    painter.fillRect(QRect(QPoint(0, 0), QPoint(right, height() - 1)), QColor(0, 0, 255));
    if (model_.Value() < model_.Maximum()) {
        painter.fillRect(QRect(QPoint(right + 1, 0), QPoint(width() - 1, height() - 1)),
                         palette().window());
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(filled, 0, textWidth + 1, height()), Qt::AlignLeft | Qt::AlignTop, text);
}
