// The main window's part in the windows of the recognition: the anomaly
// dialog, the manual correction window and the point inspection.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "app/Program.h"
#include "game/UserPort.h"
#include "recognition/PointInspection.h"
#include "ui/DetailsFrame.h"
#include "ui/PhotoView.h"
#include "ui/WindowPlacement.h"
#include "ui/ZoomView.h"
#include "ui/frmDati.h"
#include "ui/frmErrore.h"
#include "ui/frmMain.h"
#include "ui/frmWarning.h"

namespace {

// Lays the grid a photograph was read with over the game's grid while a
// point of it is inspected: the board may have moved since.
class RecordedGrid {
public:
    RecordedGrid(GameState& state, const QString& photo) : state_(state), kept_(state.GridPoints) {
        const auto found = state.PhotoGrids.find(photo);
        if (found != state.PhotoGrids.end()) state.GridPoints = found->second;
    }
    ~RecordedGrid() { state_.GridPoints = kept_; }
    RecordedGrid(const RecordedGrid&) = delete;
    RecordedGrid& operator=(const RecordedGrid&) = delete;

private:
    GameState& state_;
    const decltype(GameState::GridPoints) kept_;
};

}  // namespace

int frmMain::AskAnomalyChoice(const std::array<QString, 6>& situationLines) {
    if (errore_ == nullptr) errore_ = new frmErrore(port(), this);
    // The board frame, or the picture in its place while the board is hidden.
    const QWidget* board = fraGoban->isHidden() ? static_cast<QWidget*>(imgIcon[1]) : fraGoban;
    return errore_->Ask(situationLines, ScreenRect(board));
}

CorrectionResult frmMain::CorrectMoves(GameState& state, CorrectionMode mode,
                                       const QString& lastRecognised) {
    if (warning_ == nullptr) warning_ = new frmWarning(*this, port());
    return warning_->Correct(state, mode, lastRecognised, ScreenRect(fraInformazioni));
}

void frmMain::InspectPoint(QPointF photoPoint) {
    if (!cmdRicalibrato->isHidden()) return;  // the grid check uses the mouse itself
    const QImage& photo = imgShow->photo();
    const RecordedGrid grid(program_.state, warning_ ? warning_->PhotoShown() : QString());
    const QPoint pixel = photoPoint.toPoint();
    const auto searchStart = static_cast<float>(photo.width() + photo.height());
    const QString place = IntersectionSuffix(program_.state, pixel.x(), pixel.y(), searchStart);
    const RecognitionState& rec = program_.recognition;
    pic3->setGeometry(fraInformazioni->geometry().united(fraGoban->geometry()));
    pic3->showAround(photo, pixel, program_.state);
    fraInformazioni->hide();
    pic3->show();
    pic3->raise();
    if (dati_ == nullptr) dati_ = new frmDati(this);
    if (rec.Calibration) {
        const NearestIntersection nearest =
            FindNearestIntersection(program_.state, pixel.x(), pixel.y(), searchStart);
        const CalibratedReading reading =
            ReadCalibrated(photo, program_.state, *rec.Calibration, rec.Levels);
        dati_->ShowCalibrated(AnalyseCalibratedPoint(reading, nearest.i, nearest.j), place,
                              ScreenRect(pic3));
    } else {
        dati_->Show(AnalysePoint(photo, pixel.x(), pixel.y()), place, ScreenRect(pic3));
    }
    pic3->hide();
    fraInformazioni->show();
    port().ProcessEvents();
}

QImage frmMain::PhotoOnDisplay() const { return imgShow->photo(); }

void frmMain::DisplayPhoto(const QImage& photo) { imgShow->setPhoto(photo); }

void frmMain::MarkStone(QPointF centre, double diameter) {
    imgShow->setStoneMarker(centre, diameter);
}

void frmMain::HideStoneMarker() { imgShow->hideStoneMarker(); }

void frmMain::HideLiveBoard() {
    fraGoban->hide();
    imgIcon[1]->show();
}
