#pragma once

#include <QString>

// What one call of ShowProgress did to the bar.
enum class ProgressChange {
    Ignored,  // an update while the bar is not in use: nothing to draw
    Started,  // the bar is now in use: show it, lay out the window, draw it
    Stopped,  // the bar is no longer in use: hide it, lay out the window
    Updated,  // the bar is in use and must be drawn for the new value
};

// The state and the rules of the progress bar, apart from its painting. The
// bar remembers its maximum as decimal text (its tag), empty while unused.
class ProgressModel {
public:
    // Applies ShowProgress(value, maximum). When the result is Started or
    // Updated, value has been clamped into 0 ... Maximum() and written back.
    ProgressChange Show(long& value, long maximum);

    bool InUse() const { return !tag_.isEmpty(); }

    // The maximum the bar draws against; a maximum of 0 counts as 1.
    long Maximum() const;
    // The value last drawn.
    long Value() const { return value_; }

    // "37 %": the percentage of the last drawn value, rounded ties to even.
    QString PercentText() const;

    // Width of the blue part left of the text, for a bar innerWidth pixels
    // wide whose text is textWidth pixels wide: the text rides at the end of
    // the blue part and reaches the right edge at 100 %.
    long FilledWidth(long innerWidth, long textWidth) const;

private:
    QString tag_;
    long value_ = 0;
};
