#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <array>

struct GameState;

// One check of the grid by the user: the grid shown over the photograph,
// corners dragged, Esc switching between 9, 13 and 19 lines, until the user
// confirms. The user interface shows it and forwards the user's actions.
class GridCalibration {
public:
    GridCalibration(GameState& state, QSize photo) : state_(state), photo_(photo) {}

    // Starts the check. A grid that cannot be used (a corner outside the
    // photograph, two corners on one pixel) or none at all (noGridFound)
    // gives way to a default trapezoid in the middle of the photograph. The
    // corners are remembered for the size changes.
    void Start(bool noGridFound);
    // Moves the corner nearest to the photograph point (x, y) onto it.
    void MoveNearestCorner(float x, float y);
    // Esc: 9 -> 13 -> 19 -> 9 lines, from the corners remembered at the start.
    void CycleSize();
    // Ends the check: a grid the user changed gets its inner points rebuilt.
    void Finish();

    // Whether the user changed the grid since the start.
    bool Changed() const { return changed_; }
    // The confirmation button's caption, with the current size.
    QString Caption() const;

private:
    bool usable() const;
    void placeDefaultCorners();
    // Corner c (0 ... 3, in order around the board) of the current grid.
    QPoint gridCorner(int c) const;
    void setGridCorner(int c, QPoint point);

    GameState& state_;
    QSize photo_;
    // The corners at the start, in order around the board.
    std::array<QPoint, 4> startCorners_{};
    bool changed_ = false;
};

class UserPort;

// The user checks and corrects the grid on the photograph; the grid then
// holds what the user confirmed. False when the user gave up the run.
bool VerifyGrid(GameState& state, QSize photo, bool noGridFound, UserPort& port);
