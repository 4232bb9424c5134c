#include "batch/ProgressLine.h"

#include <algorithm>

void ProgressLine::write(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), terminal_);
    std::fflush(terminal_);
}

void ProgressLine::Show(const QString& text) {
    if (!terminal_) return;
    // Blanks cover what is left of a longer line before.
    const qsizetype blanks = std::max<qsizetype>(0, shownLength_ - text.size());
    write(u'\r' + text + QString(blanks, u' '));
    shownLength_ = text.size();
}

void ProgressLine::Clear() {
    if (!terminal_ || shownLength_ == 0) return;
    write(u'\r' + QString(shownLength_, u' ') + u'\r');
    shownLength_ = 0;
}
