#pragma once

#include <QString>

struct GameState;

// The rules of the correction window that do not depend on its widgets:
// which position it draws, where its browse buttons lead, and how the
// photograph's position is taken over as a given move.

// The move whose position stands for shownMove. RecordTwoMoves stores the
// first of two moves that one photograph showed with an empty position, so
// such a move is drawn with the position after the second.
int PositionToDraw(const GameState& state, int shownMove);

// The six browse buttons, from the first editable move to the last move.
enum class BrowseStep { First, BackTen, Back, Forward, ForwardTen, Last };

// The move shown after the step; a step that would leave the range from
// state.FirstEditableMove to state.MoveCount leaves shownMove unchanged.
int BrowseFrom(const GameState& state, int shownMove, BrowseStep step);

// Whether the step changes the move shown, which is when its button is enabled.
bool CanBrowse(const GameState& state, int shownMove, BrowseStep step);

// The move whose text is text: shownMove itself when its text matches,
// otherwise the latest such move; 0 when there is none.
int MoveWithText(const GameState& state, int shownMove, const QString& text);

// The photograph's position, stored under state.MoveCount, becomes the
// position after move n, and n the move being analysed.
void TakePositionAsMove(GameState& state, int n);
