#pragma once

#include <QString>

class Program;
class UserPort;

// The end of a game: asks for Black's side when an output is wanted, writes
// the SGF file and the kifu sheet the options ask for, shows a summary of
// what was done and where the files are, removes the working files and ends
// the program. firstPhoto is the path of the series' first photograph, next
// to which the outputs go; photoCount the photographs examined. Returns the
// summary shown.
QString FinishGame(Program& program, const QString& firstPhoto, int photoCount, UserPort& port);
