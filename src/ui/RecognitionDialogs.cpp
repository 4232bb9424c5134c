// The main window's part in the windows of the recognition: the anomaly
// dialog, the manual correction window and the point inspection.
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "app/Program.h"
#include "app/UserPort.h"
#include "recognition/PointInspection.h"
#include "ui/DetailsFrame.h"
#include "ui/PhotoView.h"
#include "ui/ZoomView.h"
#include "ui/frmDati.h"
#include "ui/frmErrore.h"
#include "ui/frmMain.h"
#include "ui/frmWarning.h"

namespace {

// Puts a window beside the anchor (in screen coordinates), top edges level:
// on the preferred side when it fits on the screen there, otherwise on the
// other side, and in any case on the screen.
void placeBeside(QWidget* window, const QRect& anchor, bool preferLeft) {
    // Qt leaves a window where the previous showing left it; a new showing
    // goes where it belongs now.
    window->adjustSize();
    const QSize size = window->frameGeometry().size();
    const QScreen* screen = QGuiApplication::screenAt(anchor.center());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const QRect room = screen->availableGeometry();
    const int left = anchor.left() - size.width();
    const int right = anchor.right() + 1;
    const bool leftFits = left >= room.left();
    const bool rightFits = right + size.width() <= room.right() + 1;
    int x = preferLeft ? (leftFits || !rightFits ? left : right) : (rightFits || !leftFits ? right : left);
    x = std::clamp(x, room.left(), std::max(room.left(), room.right() + 1 - size.width()));
    const int y = std::clamp(anchor.top(), room.top(),
                             std::max(room.top(), room.bottom() + 1 - size.height()));
    window->move(x, y);
}

QRect onScreen(const QWidget* widget) {
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

}  // namespace

int frmMain::AskAnomalyChoice(const std::array<QString, 6>& situationLines) {
    if (errore_ == nullptr) errore_ = new frmErrore(port(), this);
    // The board frame, or the picture in its place while the board is hidden.
    const QWidget* board = fraGoban->isHidden() ? static_cast<QWidget*>(imgIcon[1]) : fraGoban;
    placeBeside(errore_, onScreen(board), true);
    return errore_->Ask(situationLines);
}

QString frmMain::CorrectMoves(GameState& state, const QString& lastRecognised) {
    if (warning_ == nullptr) warning_ = new frmWarning(*this, port());
    placeBeside(warning_, onScreen(fraInformazioni), true);
    return warning_->Correct(state, lastRecognised);
}

void frmMain::InspectPoint(QPointF photoPoint) {
    if (!cmdRicalibrato->isHidden()) return;  // the grid check uses the mouse itself
    const QImage& photo = imgShow->photo();
    const QPoint pixel = photoPoint.toPoint();
    const PointAnalysis analysis = AnalysePoint(photo, pixel.x(), pixel.y());
    const auto searchStart = static_cast<float>(photo.width() + photo.height());
    const QString place = IntersectionSuffix(program_.state, pixel.x(), pixel.y(), searchStart);

    pic3->setGeometry(fraInformazioni->geometry().united(fraGoban->geometry()));
    pic3->showAround(photo, pixel, program_.state);
    fraInformazioni->hide();
    pic3->show();
    pic3->raise();
    if (dati_ == nullptr) dati_ = new frmDati(this);
    placeBeside(dati_, onScreen(pic3), true);
    dati_->Show(analysis, place);
    pic3->hide();
    fraInformazioni->show();
    port().ProcessEvents();
}
