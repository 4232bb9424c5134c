#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <vector>

#include "imaging/ShellAndWait.h"
#include "support/ScriptedUserPort.h"

TEST(ShellAndWait, WaitsForTheProcessAndLetsEventsThrough) {
    ScriptedUserPort port;
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(ShellAndWait("\"sleep\" 0.3", 0, port));  // no limit
    EXPECT_GE(timer.elapsed(), 250);
    EXPECT_GT(port.eventTurns, 0);
    EXPECT_FALSE(ShellAndWait("\"/no/such/program\" x", 0, port));
}

TEST(ShellAndWait, ATimeoutPastMidnightEndsAfterMidnight) {
    // Started at 23:59:50 with 20 seconds: the wait ends at 00:00:10.
    const std::vector<double> times{86390, 86395, 86399.5, 5, 9.9, 10.5, 11};
    std::size_t reads = 0;
    auto clock = [&] { return times[std::min(reads++, times.size() - 1)]; };
    ScriptedUserPort port;
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(ShellAndWait("\"sleep\" 30", 20, port, clock));
    EXPECT_EQ(reads, 6u);              // the start, then each wait until 10.5 is past the end
    EXPECT_LT(timer.elapsed(), 5000);  // the process was stopped, not waited for
}
