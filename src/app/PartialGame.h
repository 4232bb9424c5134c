#pragma once

#include <QString>
#include <optional>

class Program;
class UserPort;

// Keeps the moves of a run that stopped half-way: when at least one move was
// recorded, they are written next to the photographs as the SGF file
// "<output name> (parziale).sgf", after asking for Black's side as the end
// of a game does. Returns the path of the file written; nothing when no
// move was recorded or the file could not be written (the user was told).
std::optional<QString> SavePartialGame(Program& program, const QString& firstPhoto, UserPort& port);
