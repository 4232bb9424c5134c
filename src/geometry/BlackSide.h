#pragma once

#include <QLineF>
#include <QPointF>
#include <QString>
#include <array>

struct GameState;
class UserPort;

// The side of the photograph at which Black sits: "N" (top), "S" (bottom),
// "E" (right) or "W" (left). The records are turned so that Black's side
// is at the bottom.

// Asks the user for Black's side, starting from the last choice ("E" the
// first time).
void ChooseBlackSide(QString& side, UserPort& port);

// The side a cursor key chooses (Qt key code), or "" for any other key.
QString SideForKey(int key);

// The side whose middle intersection is nearest to a photograph point; of
// equal distances the first in the order N, S, E, W.
QString NearestSide(QPointF point, const GameState& state);

// The marker of a side: an arrow from the board's centre to one grid
// spacing beyond the middle of that side, as a closed outline of six
// segments in photograph pixels.
std::array<QLineF, 6> SideMarker(const QString& side, const GameState& state);
