#pragma once

#include <QString>
#include <QStringList>

// The details of the game as the user gave them on the options panel. The
// SGF file and the kifu sheet are filled from here, and the start-of-game
// checks may change the handicap and the rules. Texts are kept as the
// panel's fields hold them, already filtered and normalised.
struct GameDetails {
    QString blackName;
    int blackRankIndex = 0;  // entry of RankEntries(); 0 and -1 mean no rank
    QString blackTeam;
    QString whiteName;
    int whiteRankIndex = 0;
    QString whiteTeam;
    QString komi;            // whole or half number, empty for none
    int handicapIndex = -1;  // entry of HandicapEntries(); -1 none, k >= 1 means k + 1 stones
    // The most stones the handicap list offers. The start-of-game check
    // raises it when the photographs show more.
    int handicapMax = 9;
    QString rules;           // free text, normally one of RulesEntries()
    QString mainTime;        // seconds, empty for none
    QString byoyomi;
    QString place;
    QString date;  // yyyy-mm-dd
    QString event;
    QString round;
    QString gameName;
    QString result;  // B+R, W+3.5, 0, Void, ...
};

// The 49 ranks offered: none, 9p ... 1p, 9d ... 1d, 1k ... 30k.
QStringList RankEntries();
// The rank text of an entry of RankEntries() ("" for none or out of range).
QString RankText(int index);
// None, then 2 ... highest stones (a single stone is no handicap).
QStringList HandicapEntries(int highest = 9);
// Handicap stones the details ask for: 0 when no handicap is selected.
int HandicapStonesSet(const GameDetails& details);
// The rule sets offered; the user may type others.
QStringList RulesEntries();
// AGA and Japanese rules: the handicap stones stand on the star points as
// setup before White's first move. The names are compared exactly.
bool HandicapIsSetUp(const QString& rules);
