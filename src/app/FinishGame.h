#pragma once

#include <QString>

class Program;

// What the end of a game did: the summary shown, and whether every output
// asked for was written.
struct FinishedGame {
    QString summary;
    bool outputsWritten = false;
};

class UserPort;
struct SgfRecord;

// The game record of moves 1 ... moveCount, turned to Black's side.
SgfRecord SgfRecordOf(const Program& program, int moveCount);

// The end of a game: asks for Black's side when an output is wanted, writes
// the SGF file and the kifu sheet the options ask for, shows a summary of
// what was done and where the files are, removes the working files and ends
// the program. firstPhoto is the path of the series' first photograph, next
// to which the outputs go; photoCount the photographs examined.
FinishedGame FinishGame(Program& program, const QString& firstPhoto, int photoCount,
                        UserPort& port);
