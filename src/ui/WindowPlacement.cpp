#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

void PlaceBeside(QWidget* window, const QRect& anchor, bool preferLeft) {
    window->adjustSize();
    const QSize size = window->frameGeometry().size();
    const QScreen* screen = QGuiApplication::screenAt(anchor.center());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const QRect room = screen->availableGeometry();
    const int left = anchor.left() - size.width();
    const int right = anchor.right() + 1;
    const bool leftFits = left >= room.left();
    const bool rightFits = right + size.width() <= room.right() + 1;
    const bool onLeft = preferLeft ? leftFits || !rightFits : !(rightFits || !leftFits);
    const int x = std::clamp(onLeft ? left : right, room.left(),
                             std::max(room.left(), room.right() + 1 - size.width()));
    const int y = std::clamp(anchor.top(), room.top(),
                             std::max(room.top(), room.bottom() + 1 - size.height()));
    window->move(x, y);
}

QRect ScreenRect(const QWidget* widget) {
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}
