#include "geometry/GridSettling.h"

#include <algorithm>
#include <vector>

#include "util/Median.h"

namespace {

// The reach of the refit after a line was taken in, in grid spacings.
constexpr double kSettleReach = 0.2;

struct FamilyEnds {
    double first, last, beforeFirst, afterLast;
};

class Settler {
public:
    Settler(const Brightness& photo, const FrameFit& fit, int maxLines)
        : photo_(photo), fit_(fit), maxLines_(maxLines) {
        std::vector<double> supports;
        for (int u = fit.frame.firstColumn + 1; u < fit.frame.lastColumn; ++u)
            supports.push_back(support(true, u));
        for (int v = fit.frame.firstRow + 1; v < fit.frame.lastRow; ++v)
            supports.push_back(support(false, v));
        // A line is there when it shows at least half as often as the
        // frame's own lines do.
        constexpr double kLeastSupport = 0.2;
        present_ = std::max(kLeastSupport, 0.5 * Median(supports));
    }

    FrameFit run() {
        constexpr int kMostSteps = 40;
        for (int step = 0; step < kMostSteps; ++step)
            if (!settleStep(true) && !settleStep(false)) break;
        return fit_;
    }

private:
    double support(bool column, int line) const {
        return LineSupport(photo_, fit_.frame, column, line, fit_.lineStrength);
    }

    // One change to the lines of a family; false when it needs none or the
    // frame could not be fitted after it.
    bool settleStep(bool column) {
        const GridFrame& frame = fit_.frame;
        const int first = column ? frame.firstColumn : frame.firstRow;
        const int last = column ? frame.lastColumn : frame.lastRow;
        const FamilyEnds ends{support(column, first), support(column, last),
                              support(column, first - 1), support(column, last + 1)};
        const bool before = ends.beforeFirst >= present_, after = ends.afterLast >= present_;
        const int count = last - first + 1;
        if (count < maxLines_ && (before || after)) {
            const bool takeBefore = before && (!after || ends.beforeFirst >= ends.afterLast);
            return tryLines(column, takeBefore ? first - 1 : first, takeBefore ? last : last + 1);
        }
        if (count != maxLines_) return false;
        if (before && ends.last < present_) return tryLines(column, first - 1, last - 1);
        if (after && ends.first < present_) return tryLines(column, first + 1, last + 1);
        return false;
    }

    // Fits the frame again with the family's lines from first to last.
    bool tryLines(bool column, int first, int last) {
        GridFrame frame = fit_.frame;
        (column ? frame.firstColumn : frame.firstRow) = first;
        (column ? frame.lastColumn : frame.lastRow) = last;
        const std::optional<FrameFit> refitted = RefineFrame(photo_, frame, kSettleReach);
        if (!refitted) return false;
        fit_ = *refitted;
        return true;
    }

    const Brightness& photo_;
    FrameFit fit_;
    const int maxLines_;
    double present_ = 0;
};

}  // namespace

FrameFit SettleFrame(const Brightness& photo, const FrameFit& fit, int maxLines) {
    return Settler(photo, fit, maxLines).run();
}

bool ShowsABoard(const Brightness& photo, const FrameFit& fit) {
    constexpr double kLeastSupport = 0.5;
    const GridFrame& f = fit.frame;
    const auto onPhoto = [&](QPointF a, QPointF b) {
        return photo.contains(a) && photo.contains(b);
    };
    if (fit.support < kLeastSupport ||
        !onPhoto(f.toPhoto.map(f.firstColumn, f.firstRow),
                 f.toPhoto.map(f.lastColumn, f.lastRow)) ||
        !onPhoto(f.toPhoto.map(f.lastColumn, f.firstRow), f.toPhoto.map(f.firstColumn, f.lastRow)))
        return false;
    for (const int u : {f.firstColumn - 1, f.lastColumn + 1}) {
        if (onPhoto(f.toPhoto.map(u, f.firstRow), f.toPhoto.map(u, f.lastRow)) &&
            LineSupport(photo, f, true, u, fit.lineStrength) < 0.5 * fit.support)
            return true;
    }
    for (const int v : {f.firstRow - 1, f.lastRow + 1}) {
        if (onPhoto(f.toPhoto.map(f.firstColumn, v), f.toPhoto.map(f.lastColumn, v)) &&
            LineSupport(photo, f, false, v, fit.lineStrength) < 0.5 * fit.support)
            return true;
    }
    return false;
}
