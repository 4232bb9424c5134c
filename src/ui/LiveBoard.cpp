// The main window's live board: the position recognised on the current
// photograph, drawn as it lies in the photographs and labelled with the
// coordinates of the move texts, so that moves and drawing can be compared.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "game/GameState.h"
#include "ui/BoardDiagram.h"
#include "ui/DetailsFrame.h"
#include "ui/OptionsFrame.h"
#include "ui/ProgressBar.h"
#include "ui/frmMain.h"

namespace {

// The pixels the board drawing may take, whatever the board size.
constexpr int kLiveBoardSpan = 247;

}  // namespace

void frmMain::buildLiveBoard() {
    fraGoban = new QGroupBox(this);
    fraGoban->setObjectName(QStringLiteral("fraGoban"));
    picSfondo = new BoardDiagram(kLiveBoardSpan, fraGoban);
    auto* layout = new QVBoxLayout(fraGoban);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(picSfondo);
    fraGoban->hide();
}

void frmMain::RedrawLiveBoard(const GameState& state) {
    const bool processing = fraOpzioni->isHidden() && !fraInformazioni->isHidden();
    const bool active = processing && state.MoveCount >= 1 && cmdRicalibrato->isHidden() &&
                        fraInformazioni->cmdPosizioneNero->isHidden();
    if (active) {
        // A later game may be played on a board of another size or colour.
        if (!picSfondo->isSetFor(state.BoardSize, state.BoardColour)) {
            picSfondo->setBoard(state.BoardSize, state.BoardColour);
            ArrangeControls();
        }
        picSfondo->picStones->drawPosition(state, state.MoveCount);
        const int barHeight = picProgressBar->isHidden() ? 0 : picProgressBar->height();
        const int needed = fraGoban->y() + fraGoban->sizeHint().height();
        const bool fits = needed <= height() - barHeight;
        if (fits && fraGoban->isHidden()) fraGoban->show();
        if (!fits) fraGoban->hide();
    } else {
        fraGoban->hide();
    }
    imgIcon[1]->setVisible(processing && fraGoban->isHidden());
}
