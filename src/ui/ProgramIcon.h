#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own picture: a small goban with a black and a white stone.
QPixmap ProgramPixmap(int size);
QIcon ProgramIcon();

class QLabel;
class QWidget;
// A label showing the picture at the size the windows use, centred.
QLabel* ProgramPictureLabel(const char* objectName, QWidget* parent = nullptr);
