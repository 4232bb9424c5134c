#include "imaging/ShellAndWait.h"

#include <QProcess>
#include <QTime>

#include "game/UserPort.h"
#include "imaging/Converter.h"
#include "util/Numbers.h"

namespace {

constexpr int kSecondsPerDay = 86400;

// The end of the wait, in seconds since midnight; it may lie after the next midnight.
class Deadline {
public:
    Deadline(int timeoutSeconds, const TimeOfDay& clock)
        : clock_(clock), limited_(timeoutSeconds > 0), start_(roundHalfEven(clock())) {
        end_ = start_ + timeoutSeconds;
        if (end_ >= kSecondsPerDay) {
            end_ = start_ - kSecondsPerDay + timeoutSeconds;
            wrapsPastMidnight_ = true;
        }
    }

    bool passed() const {
        if (!limited_) return false;
        const double now = clock_();
        if (now <= end_) return false;
        return !wrapsPastMidnight_ || now < start_;  // past midnight, then past the end
    }

private:
    TimeOfDay clock_;
    bool limited_;
    long long start_;
    long long end_ = 0;
    bool wrapsPastMidnight_ = false;
};

}  // namespace

double CurrentTimeOfDay() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

bool ShellAndWait(const QString& commandLine, int timeoutSeconds, UserPort& port,
                  const TimeOfDay& clock) {
    const Deadline deadline(timeoutSeconds, clock);
    QProcess process;
    if (!StartConverterProcess(process, commandLine)) return false;

    WaitForProcess(process, [&] {
        port.ProcessEvents();
        return deadline.passed();
    });
    return true;
}
