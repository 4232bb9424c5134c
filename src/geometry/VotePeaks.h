#pragma once

#include <vector>

#include "geometry/VoteTable.h"

// A local maximum of a vote table.
struct VotePeak {
    int votes = 0;
    int offset = 0;
    int angle = 0;
};

// The count strongest block maxima of the table, strongest first (of equal
// votes, the block found first). The table is cut into blocks of
// blockWidth offsets by blockHeight angles; offsets beyond the last whole
// block are not searched. A block's maximum is dropped when a neighbouring
// block has a maximum at least as strong within one block's reach of it.
// Entries without a peak have 0 votes.
std::vector<VotePeak> FindVotePeaks(int blockWidth, int blockHeight, const VoteTable& votes,
                                    int count);

// How many of the strongest peaks are lines: the list is cut after the last
// drop of more than a sixteenth of the previous peak's votes (the whole list
// when there is no such drop).
int PeakCutOff(const std::vector<VotePeak>& peaks);
