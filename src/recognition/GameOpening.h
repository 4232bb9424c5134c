#pragma once

class UserPort;
struct GameRecord;

// The start of a game, settled once, at the photograph that shows White's
// first stone (classified under move 1): the start-of-game checks compare
// the black stones with the handicap and the rules set, then the moves are
// numbered. A fixed handicap (two stones or more on the star points under
// AGA or Japanese rules) is a setup in position 0 and White's stone is move
// 1; stones placed freely are Black's moves 1 ... h; in an even game Black's
// stone is move 1 and White's move 2. When Black passed before White's
// first stone, move 1 is that pass; when White simply moved first, move 1
// stays empty. Returns false when the run cannot go on under the rules set.
bool SettleGameStart(GameRecord& game, UserPort& port);
