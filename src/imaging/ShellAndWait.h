#pragma once

#include <QString>
#include <functional>

class UserPort;

// The time of day in seconds since midnight, with fractions.
using TimeOfDay = std::function<double()>;
double CurrentTimeOfDay();

// Runs a converter command line (see StartConverterProcess) and waits until
// it has ended, letting the window handle events meanwhile. With a timeout
// above 0 seconds the wait ends at the latest that many seconds later, even
// across midnight, and the process is stopped then. Returns false only
// when the command cannot be started.
bool ShellAndWait(const QString& commandLine, int timeoutSeconds, UserPort& port,
                  const TimeOfDay& clock = CurrentTimeOfDay);
