#pragma once

#include <QString>
#include <optional>

#include "app/FinishGame.h"
#include "app/GridSetup.h"

class Program;
struct PositionReading;
class RecognitionWindows;
class UserPort;

// What the user asked to process: the paths of the first and the last
// photograph, as typed in the options panel, and optionally a grid that
// replaces the automatic detection.
struct ProcessingRequest {
    QString firstPhoto;
    QString lastPhoto;
    std::optional<GivenGrid> grid;
};

// How a run ended.
enum class ProcessingOutcome {
    // An entry of the options panel is wrong: nothing was changed.
    InvalidInput,
    // The run was given up (by the user, or by the start-of-game checks):
    // the options panel is back, nothing was written.
    Abandoned,
    // The game was processed and its outputs written (finished tells how).
    Finished,
};

struct ProcessingResult {
    ProcessingOutcome outcome = ProcessingOutcome::InvalidInput;
    FinishedGame finished;
};

// The one long operation of the program, started by the processing button:
// checks the inputs, has the photographs prepared, establishes the grid on
// the first one, follows the game photograph by photograph (the start of
// the game at White's first stone, then move inference), and ends with the
// outputs and the summary. A game that reaches the capacity of the move
// list stops there, with a message, and is finished with the moves
// recorded so far.
ProcessingResult ProcessPhotoSeries(Program& program, const ProcessingRequest& request,
                                    UserPort& port, RecognitionWindows& windows);

// How looking for the grid on one photograph ended.
enum class PhotoGridOutcome {
    // The photograph cannot be read or is too small; the user was told why.
    Refused,
    // The user gave up at the grid check (the batch does when no grid was found).
    GivenUp,
    // The user confirmed the grid, which the game state now holds.
    Confirmed,
};

// The first steps of a run on one photograph alone, for checking the grid
// detection: the photograph prepared as a series of one (shrunk into the
// working folder), loaded and checked as a run's first photograph, and its
// grid detected (or the one given taken) and handed to the user's check
// (ConfirmFirstGrid); a grid given is then moved onto the board's lines
// near it (SnapToBoard).
PhotoGridOutcome FindGridOnPhoto(Program& program, const QString& photo,
                                 const std::optional<GivenGrid>& given, UserPort& port);

// After FindGridOnPhoto: the position the photograph shows, read by
// itself, becomes position 0, a game set up with no moves. Returns the
// reading, with how clearly each point was read.
PositionReading TakePhotoPosition(Program& program);

// Gives up the run: the photographs still converting are left unconverted,
// the user is told, and the options panel comes back. The
// grid, the position and the moves stay for the next run.
void Reset(Program& program, const QString& firstPhoto, UserPort& port);
