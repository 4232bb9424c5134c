#pragma once

#include <QPoint>
#include <QString>
#include <array>
#include <optional>

class Program;
class UserPort;
struct GameState;

// A grid given by a front end instead of the automatic detection: the
// board's lines and its corner intersections (0, 0), (G, 0), (G, G) and
// (0, G) in pixels of the prepared photograph.
struct GivenGrid {
    int boardSize = 19;
    std::array<QPoint, 4> corners{};
};

// Identifies the grid on a first photograph: the prepared copy's path in
// lower case, the board size and, once a board is known, the x and y of the
// four corner intersections, all in decimal without separators.
QString CalibrationKey(const GameState& state, const QString& firstPrepared);

// The grid on the first photograph of a run (recognition.Photo), up to the
// user's check: the given one, or the one the line voting and the detection
// find (with Ctrl held the votes are saved as a picture under outputBase),
// or, when the detection failed or Esc stopped it, a 19-line default; the
// user checks it. False when the user gave up at the grid check; otherwise
// the game state holds the grid confirmed.
bool ConfirmFirstGrid(Program& program, const std::optional<GivenGrid>& given,
                      const QString& outputBase, bool ctrlHeld, UserPort& port);

// The grid of a run's first photograph: when the photograph and the grid are
// those the user confirmed last time, they stay; otherwise ConfirmFirstGrid.
// Then the star points, the board's colour and the way the game is read (see
// ChooseCalibration) are taken from it. False when the user gave up at the
// grid check.
bool EstablishGrid(Program& program, const std::optional<GivenGrid>& given,
                   const QString& outputBase, bool ctrlHeld, UserPort& port);
