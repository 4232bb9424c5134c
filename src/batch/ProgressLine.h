#pragma once

#include <QString>
#include <cstdio>

// One line on a terminal written over in place, to show how far a long run
// has got. Without a terminal (the stream is a file or a pipe) it writes
// nothing, so that scripts read only the lines they expect.
class ProgressLine {
public:
    // terminal: where to show the line; nullptr shows nothing.
    explicit ProgressLine(std::FILE* terminal) : terminal_(terminal) {}

    // Writes text over the line shown before.
    void Show(const QString& text);
    // Blanks the line and leaves the cursor at its start, so that the next
    // line written begins on a clear line.
    void Clear();

private:
    void write(const QString& text);

    std::FILE* terminal_;
    qsizetype shownLength_ = 0;
};
