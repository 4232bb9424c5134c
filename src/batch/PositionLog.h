#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct GameState;

// The position read from each photograph of a run, written as the label
// files of a photo collection are: a line with the photograph's file name,
// then one line per row of the board, the photograph's top row first, each
// point "." (empty), "B" (black) or "W" (white), separated by blanks.
class PositionLog {
public:
    // Keeps the position of move state.MoveCount as read from
    // state.CurrentPhoto; a photograph read again replaces what it gave
    // before, in its place.
    void Record(const GameState& state);

    // Every photograph kept, in the order they were first read.
    QByteArray Text() const;

private:
    QStringList names_;
    QStringList positions_;
};
