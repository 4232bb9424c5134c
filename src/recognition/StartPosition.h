#pragma once

struct GameDetails;
struct GameState;
struct PositionReading;
struct RecognitionState;

// The position read becomes position 0 of the game, which goes on from it.
void SetStartPosition(GameState& state, RecognitionState& rec, const PositionReading& reading);

// When the series' first photograph (rec.FirstPhoto, on the grid of state)
// shows a game in progress rather than the empty board or a handicap (any
// white stone, or, where no handicap was entered, two black stones or more
// that are not all on star points), position 0 takes its stones, no
// handicap is collected, and the later photographs are read against the
// board around those stones.
void TakeStartPosition(GameState& state, RecognitionState& rec, const GameDetails& details);
