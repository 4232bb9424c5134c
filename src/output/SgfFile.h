#pragma once

#include <QByteArray>
#include <QString>

#include "output/SgfRecord.h"

struct GameDetails;
class UserPort;

// The whole file: the root line, the game information, the setup stones and
// the moves ten to a line, every line ended by CR LF, in ISO-8859-1 (a
// character it cannot hold is written as "?").
QByteArray SgfFileBytes(const SgfRecord& record, const GameDetails& details);

// Writes the file path + ".sgf", replacing an earlier one. The new file takes
// the old one's place only once it is complete; when it cannot be written
// the user is told which file and why, nothing is left behind and the
// result is false.
bool WriteSgfFile(const QString& path, const SgfRecord& record, const GameDetails& details,
                  UserPort& port);

// Folder and base name of the outputs, without extension: the folder of the
// first photograph (the program folder when the path has none) and a name
// from the game details. The last rule that applies wins: "Banmark", then
// White - Black, then place and date, then event - round, then the game name.
QString BuildOutputName(const QString& firstPhoto, const GameDetails& details,
                        const QString& programDir);
