#pragma once

#include <QImage>
#include <QString>

struct LineVotes;
class UserPort;

// The line votes as a grey picture, HoughDiagonal + 1 wide and one row per
// angle: column = offset index, row = angle index, the most voted cell white.
QImage VotePicture(const LineVotes& votes);

// Saves the vote picture as base + " [HS].png" for looking into a grid the
// detection got wrong.
void SaveVoteImage(const LineVotes& votes, const QString& base, const QString& converter,
                   UserPort& port);
