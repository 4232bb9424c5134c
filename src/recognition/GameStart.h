#pragma once

struct GameDetails;
class UserPort;

// Result codes of CheckGameStart besides the stone count.
inline constexpr int kBlackPassedFirst = 998;  // Black passed before White's first stone
inline constexpr int kAbandonRun = 999;        // the run cannot go on under the rules set

// Compares the black stones on the board when White's first stone appeared
// with the handicap and the rules the user set, corrects the details that
// the photographs contradict and tells the user in one warning. count enters
// holding the number of black stones and leaves holding it, or one of the
// codes above; onHoshi says whether all of them stand on star points.
void CheckGameStart(int& count, bool onHoshi, GameDetails& details, UserPort& port);
