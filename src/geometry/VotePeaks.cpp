#include "geometry/VotePeaks.h"

#include <cstdlib>

namespace {

// The largest cell of one block; of equal cells the first in offset-major order.
VotePeak blockMaximum(const VoteTable& votes, int firstOffset, int blockWidth, int firstAngle,
                      int blockHeight) {
    VotePeak best;
    for (int o = firstOffset; o < firstOffset + blockWidth; ++o) {
        for (int t = firstAngle; t < firstAngle + blockHeight && t < kAngleSteps; ++t) {
            if (votes(o, t) > best.votes) best = {votes(o, t), o, t};
        }
    }
    return best;
}

// Drops the neighbours of every inner block that its own maximum outweighs
// at close range, in place and in scan order.
void suppressNeighbours(std::vector<VotePeak>& blocks, int offsetBlocks, int angleBlocks,
                        int blockWidth, int blockHeight) {
    auto at = [&](int i, int j) -> VotePeak& { return blocks[i * angleBlocks + j]; };
    for (int i = 1; i <= offsetBlocks - 2; ++i) {
        for (int j = 1; j <= angleBlocks - 2; ++j) {
            const VotePeak& centre = at(i, j);
            for (int di = -1; di <= 1; ++di) {
                for (int dj = -1; dj <= 1; ++dj) {
                    if (di == 0 && dj == 0) continue;
                    VotePeak& neighbour = at(i + di, j + dj);
                    if (std::abs(neighbour.angle - centre.angle) < blockHeight &&
                        std::abs(neighbour.offset - centre.offset) < blockWidth &&
                        centre.votes >= neighbour.votes)
                        neighbour.votes = 0;
                }
            }
        }
    }
}

// Inserts a peak into a list sorted strongest first, dropping the last entry.
void insertSorted(std::vector<VotePeak>& list, const VotePeak& peak) {
    const int last = static_cast<int>(list.size()) - 1;
    if (peak.votes <= list[last].votes) return;
    int position = 0;
    while (position < last && peak.votes <= list[position].votes) ++position;
    for (int k = last; k > position; --k) list[k] = list[k - 1];
    list[position] = peak;
}

}  // namespace

std::vector<VotePeak> FindVotePeaks(int blockWidth, int blockHeight, const VoteTable& votes,
                                    int count) {
    const int offsetBlocks = (votes.rows() - 2) / blockWidth;
    const int angleBlocks = (kAngleSteps - 1) / blockHeight + 1;
    std::vector<VotePeak> blocks;
    blocks.reserve(static_cast<std::size_t>(offsetBlocks) * angleBlocks);
    for (int i = 0; i < offsetBlocks; ++i) {
        for (int j = 0; j < angleBlocks; ++j)
            blocks.push_back(
                blockMaximum(votes, i * blockWidth, blockWidth, j * blockHeight, blockHeight));
    }
    suppressNeighbours(blocks, offsetBlocks, angleBlocks, blockWidth, blockHeight);

    std::vector<VotePeak> strongest(count);
    for (const VotePeak& block : blocks) insertSorted(strongest, block);
    return strongest;
}

int PeakCutOff(const std::vector<VotePeak>& peaks) {
    int cut = static_cast<int>(peaks.size());
    for (int k = 1; k < static_cast<int>(peaks.size()); ++k) {
        if (peaks[k - 1].votes - peaks[k].votes > peaks[k - 1].votes / 16) cut = k;
    }
    return cut;
}
