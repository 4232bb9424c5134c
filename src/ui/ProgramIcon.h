#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own picture: a small goban with a black and a white stone.
QPixmap ProgramPixmap(int size);
QIcon ProgramIcon();
