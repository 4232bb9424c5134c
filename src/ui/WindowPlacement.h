#pragma once

class QRect;
class QWidget;

// Puts a window beside the anchor (in screen coordinates), top edges level:
// on the preferred side when it fits on the screen there, otherwise on the
// other side, and in any case on the screen. Call it once the window's
// content is set, so that its size is known.
void PlaceBeside(QWidget* window, const QRect& anchor, bool preferLeft);

// Where a widget lies on the screen.
QRect ScreenRect(const QWidget* widget);
