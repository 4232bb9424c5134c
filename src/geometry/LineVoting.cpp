#include "geometry/LineVoting.h"

#include <QThread>
#include <algorithm>
#include <array>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "game/UserPort.h"
#include "util/Geometry.h"
#include "util/Numbers.h"

namespace {

constexpr int kEdgeThresholdSquared = 32 * 32;

// Nearest integer, ties to even: adding and removing 2^52 + 2^51 leaves the
// value rounded by the processor's default rounding, which is exactly that,
// in a form the compiler can run on several values at once.
inline double nearestEven(double value) {
    constexpr double kShift = 6755399441055744.0;
    return (value + kShift) - kShift;
}

int clampByte(int value) { return std::clamp(value, 0, 255); }

// The edge response of one colour channel at (x, y): neighbours to the left
// and below count positively, those to the right and above negatively.
// above, row and below are the channel's bytes of rows y - 1, y and y + 1.
int edgeResponse(const uchar* above, const uchar* row, const uchar* below, int byte) {
    constexpr int kStep = 3;
    return -above[byte] - 2 * above[byte + kStep] + row[byte - kStep] - row[byte + kStep] +
           2 * below[byte - kStep] + below[byte];
}

bool isStrongEdge(const uchar* above, const uchar* row, const uchar* below, int x) {
    int magnitude = 0;
    for (int channel = 0; channel < 3; ++channel) {
        const int response = clampByte(edgeResponse(above, row, below, 3 * x + channel));
        magnitude += response * response;
    }
    return magnitude >= kEdgeThresholdSquared;  // the same as a root of at least 32
}

// The offsets and angles of the voting, in double precision so that each
// product is formed exactly as x * CosTable(t) + y * SinTable(t).
struct VotingAngles {
    explicit VotingAngles(const AngleTables& angles) {
        for (int t = 0; t < kAngleSteps; ++t) {
            cosines[t] = angles.CosTable[t];
            sines[t] = angles.SinTable[t];
        }
    }
    std::array<double, kAngleSteps> cosines{};
    std::array<double, kAngleSteps> sines{};
};

// A run of angle indices [first, end): each voting thread casts the votes
// of its own run, so the threads never write the same cell.
struct AngleRun {
    int first;
    int end;
};

// x * CosTable(t) for every angle, the same for a whole column of pixels.
using ColumnTerms = std::array<double, kAngleSteps>;

void fillColumnTerms(int x, const VotingAngles& angles, AngleRun run, ColumnTerms& terms) {
    for (int t = run.first; t < run.end; ++t) terms[t] = x * angles.cosines[t];
}

// Casts the votes of the run's angles for an edge pixel at row y (from the
// photograph's centre) of the column the terms belong to. Votes that would
// fall outside the table are dropped.
void castVotes(const ColumnTerms& column, int y, const VotingAngles& angles, int offsetBase,
               AngleRun run, VoteTable& votes) {
    std::array<int, kAngleSteps> offsets;
    for (int t = run.first; t < run.end; ++t) {
        offsets[t] = static_cast<int>(nearestEven(column[t] + y * angles.sines[t])) + offsetBase;
    }
    for (int t = run.first; t < run.end; ++t) {
        if (votes.contains(offsets[t])) ++votes(offsets[t], t);
    }
}

// A column of the photograph: x from the centre and the rows of its strong
// edge pixels, also from the centre.
struct EdgeColumn {
    int x = 0;
    std::vector<int> rows;
};

EdgeColumn edgeColumn(const QImage& rgb, int x) {
    const int h = rgb.height();
    EdgeColumn column{x - rgb.width() / 2, {}};
    for (int y = 1; y <= h - 2; ++y) {
        if (isStrongEdge(rgb.constScanLine(y - 1), rgb.constScanLine(y), rgb.constScanLine(y + 1),
                         x))
            column.rows.push_back(y - h / 2);
    }
    return column;
}

// Columns are handed to the voting threads in batches: waking a thread for
// every column would cost more than voting it.
constexpr int kColumnsPerBatch = 16;
using ColumnBatch = std::vector<EdgeColumn>;

// The batches of columns, handed out in order by the calling thread to every
// voting thread, and never many more than the slowest of them has voted: the
// progress bar then follows the voting.
class BatchQueue {
public:
    BatchQueue(int voters, int ahead) : ahead_(ahead), voted_(voters, 0) {}

    // Hands out the next batch, once there is room for it.
    void Release(ColumnBatch batch) {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return released() - slowest() < ahead_; });
        batches_.push_back(std::move(batch));
        changed_.notify_all();
    }
    // No more batches: the voting threads end when they have voted the last.
    void Close() {
        std::lock_guard<std::mutex> lock(mutex_);
        closed_ = true;
        changed_.notify_all();
    }
    // The voter's next batch, or none when there are no more.
    const ColumnBatch* Next(int voter) {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return voted_[voter] < released() || closed_; });
        return voted_[voter] < released() ? &batches_[voted_[voter]] : nullptr;
    }
    void Voted(int voter) {
        std::lock_guard<std::mutex> lock(mutex_);
        ++voted_[voter];
        changed_.notify_all();
    }

private:
    int released() const { return static_cast<int>(batches_.size()); }
    int slowest() const { return *std::min_element(voted_.begin(), voted_.end()); }

    const int ahead_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<ColumnBatch> batches_;  // a deque: the batches handed out stay where they are
    std::vector<int> voted_;
    bool closed_ = false;
};

// What every voting thread reads and writes: the angles and the one table.
struct VotingJob {
    VotingAngles angles;
    int offsetBase;
    VoteTable& votes;
};

// Votes the run's angles for every column of the batches the queue hands out.
void voteBatches(const VotingJob& job, BatchQueue& queue, int voter, AngleRun run) {
    ColumnTerms terms;
    for (const ColumnBatch* batch = queue.Next(voter); batch; batch = queue.Next(voter)) {
        for (const EdgeColumn& column : *batch) {
            fillColumnTerms(column.x, job.angles, run, terms);
            for (int y : column.rows)
                castVotes(terms, y, job.angles, job.offsetBase, run, job.votes);
        }
        queue.Voted(voter);
    }
}

// One thread per run of angles, voting the columns given to them; when it
// goes, the columns given are voted and the threads are waited for.
class VotingThreads {
public:
    VotingThreads(const VotingJob& job, int count) : queue_(count, 3) {
        for (int k = 0; k < count; ++k) {
            const AngleRun run{kAngleSteps * k / count, kAngleSteps * (k + 1) / count};
            threads_.emplace_back(voteBatches, std::cref(job), std::ref(queue_), k, run);
        }
    }
    ~VotingThreads() {
        if (!batch_.empty()) queue_.Release(std::move(batch_));
        queue_.Close();
        for (std::thread& thread : threads_) thread.join();
    }
    VotingThreads(const VotingThreads&) = delete;
    VotingThreads& operator=(const VotingThreads&) = delete;

    void Vote(EdgeColumn column) {
        batch_.push_back(std::move(column));
        if (batch_.size() < kColumnsPerBatch) return;
        queue_.Release(std::move(batch_));
        batch_.clear();
    }

private:
    BatchQueue queue_;
    std::vector<std::thread> threads_;
    ColumnBatch batch_;
};

}  // namespace

void VoteGridLines(const QImage& photo, const AngleTables& angles, LineVotes& votes, UserPort& port,
                   const bool& abortRequested, int threads) {
    const QImage rgb = photo.convertToFormat(QImage::Format_RGB888);
    const int w = rgb.width();
    votes.HoughDiagonal =
        static_cast<int>(roundHalfEven(PointDistance(0, 0, w - 1, rgb.height() - 1)));
    votes.HoughVotes = VoteTable(votes.HoughDiagonal + 3);
    const VotingJob job{VotingAngles(angles), votes.HoughDiagonal / 2 + 2, votes.HoughVotes};
    VotingThreads voting(job, std::max(1, threads > 0 ? threads : QThread::idealThreadCount()));
    long progress = 0;
    port.ShowProgress(progress, w - 2);
    for (int x = 1; x <= w - 2; ++x) {
        progress = x;
        port.ShowProgress(progress, 0);
        if (abortRequested) break;
        voting.Vote(edgeColumn(rgb, x));
    }
}
