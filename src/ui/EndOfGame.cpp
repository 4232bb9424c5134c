// The main window at the end of a game: the processing view cleared, the
// waiting text while the outputs are written, and the end of the program.
#include <QGroupBox>
#include <QLabel>
#include <algorithm>

#include "game/Version.h"
#include "recognition/ColourWindow.h"
#include "ui/DetailsFrame.h"
#include "ui/PhotoView.h"
#include "ui/frmMain.h"

void frmMain::EndProcessingView() {
    imgShow->hide();
    fraInformazioni->hide();
    fraGoban->hide();
    imgIcon[1]->hide();
    setWindowTitle(kProgramCaption);
}

void frmMain::ShowWaitingText(const QString& text, int boardColour) {
    if (text.isEmpty()) {
        picFoto->hide();
        return;
    }
    QPalette palette = picFoto->palette();
    palette.setColor(QPalette::Window, ColourOfValue(boardColour));
    palette.setColor(QPalette::WindowText, Qt::black);
    picFoto->setPalette(palette);

    const QStringList lines = text.split(QStringLiteral("\r\n"));
    const QFontMetrics metrics(picFoto->font());
    int width = 0;
    for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
    const int line = metrics.height();
    // A line of room above the text; below it a third of a line for the
    // long text, a sixth for the short one.
    const int below = lines.size() > 1 ? line / 3 : line / 6;
    picFoto->setContentsMargins(0, line, 0, 0);
    picFoto->setText(lines.join(u'\n'));
    const QSize size(width, line * (lines.size() + 1) + below);
    picFoto->setGeometry(
        QRect(QPoint((this->width() - size.width()) / 2, (height() - size.height()) / 2), size));
    picFoto->show();
    picFoto->raise();
    letEventsThrough();
}

void frmMain::EndProgram() {
    exitConfirmed_ = true;
    close();
}
