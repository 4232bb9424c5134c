// The main window's part in the grid check and in the choice of Black's side.
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include "app/Program.h"
#include "geometry/BlackSide.h"
#include "geometry/GridCalibration.h"
#include "ui/DetailsFrame.h"
#include "ui/FieldLook.h"
#include "ui/PhotoView.h"
#include "ui/ProgressBar.h"
#include "ui/frmMain.h"

namespace {

const QColor kGridColour(255, 0, 0);
const QColor kMarkerColour(128, 0, 0);
// The confirmation button shows whether the grid was changed.
const QColor kUnchangedColour(255, 128, 0);
const QColor kChangedColour(255, 255, 0);
constexpr int kBorderLineWidth = 3;

// The message box texts join lines with CR LF; a button wants line feeds.
QString buttonText(const QString& caption) {
    return QString(caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

void frmMain::buildGridCheckControls() {
    cmdRicalibrato = new QPushButton(this);
    cmdRicalibrato->setObjectName(QStringLiteral("cmdRicalibrato"));
    cmdRicalibrato->hide();

    connect(imgShow, &PhotoView::leftPressed, this, &frmMain::photoPressed);
    connect(imgShow, &PhotoView::leftDragged, this, &frmMain::photoDragged);
    connect(imgShow, &PhotoView::leftReleased, this, [this] { photoReleased(); });

    // Esc and the cursor keys act wherever the focus is in the window.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { escapePressed(); });
    const std::array<Qt::Key, 4> arrows{Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};
    for (std::size_t k = 0; k < arrows.size(); ++k) {
        arrowKeys_[k] = new QShortcut(QKeySequence(arrows[k]), this);
        arrowKeys_[k]->setEnabled(false);  // only while Black's side is chosen
        connect(arrowKeys_[k], &QShortcut::activated, this,
                [this, key = arrows[k]] { arrowPressed(key); });
    }
}

void frmMain::ShowPhoto(const QImage& photo) {
    imgShow->setPhoto(photo);
    imgShow->show();
    ArrangeControls();
}

void frmMain::waitUntilPressed(QPushButton* button) {
    QEventLoop loop;
    connect(button, &QPushButton::clicked, &loop, &QEventLoop::quit);
    loop.exec();
}

bool frmMain::CalibrateGrid(GridCalibration& calibration) {
    const Qt::WindowStates stateBefore = windowState();
    const bool barShown = !picProgressBar->isHidden();
    fraInformazioni->hide();
    imgIcon[1]->hide();  // the photograph takes the whole window
    picProgressBar->hide();
    calibration_ = &calibration;
    cmdRicalibrato->setText(buttonText(calibration.Caption()));
    cmdRicalibrato->show();
    ArrangeControls();
    cmdRicalibrato->setFocus();
    ShowGridLines();
    SetFieldBackground(cmdRicalibrato, kUnchangedColour);

    waitUntilPressed(cmdRicalibrato);

    imgShow->setOverlay({});
    cmdRicalibrato->hide();
    calibration_ = nullptr;
    fraInformazioni->show();
    picProgressBar->setVisible(barShown);
    if (stateBefore.testFlag(Qt::WindowMaximized)) {
        ArrangeControls();
    } else {
        setWindowState(stateBefore);
    }
    return isVisible();  // a window closed meanwhile gives up the run
}

// The grid lines from side to side through the border intersections, the
// four border lines wider.
void frmMain::ShowGridLines() {
    const GameState& state = program_.state;
    const int g = state.GridMax;
    auto point = [&](int i, int j) {
        return QPointF(state.GridPoints(i, j, 0), state.GridPoints(i, j, 1));
    };
    std::vector<OverlayLine> lines;
    for (int n = 0; n <= g; ++n) {
        const int width = n % g == 0 ? kBorderLineWidth : 1;
        lines.push_back({QLineF(point(n, g), point(n, 0)), kGridColour, width});
        lines.push_back({QLineF(point(0, n), point(g, n)), kGridColour, width});
    }
    imgShow->setOverlay(std::move(lines));
}

void frmMain::escapePressed() {
    if (calibration_ == nullptr) {
        program_.AbortRequested = true;  // stops the line voting
        return;
    }
    calibration_->CycleSize();
    cmdRicalibrato->setText(buttonText(calibration_->Caption()));
    ShowGridLines();
    SetFieldBackground(cmdRicalibrato, kChangedColour);
}

void frmMain::photoPressed(QPointF photoPoint) {
    CornerDragging = true;
    pressedAt_ = photoPoint;
    photoDragged(photoPoint);
}

void frmMain::photoDragged(QPointF photoPoint) {
    if (!CornerDragging || calibration_ == nullptr) return;
    calibration_->MoveNearestCorner(photoPoint.x(), photoPoint.y());
    ShowGridLines();
    SetFieldBackground(cmdRicalibrato, kChangedColour);
}

void frmMain::photoReleased() {
    CornerDragging = false;
    if (side_ == nullptr) return;
    *side_ = NearestSide(pressedAt_, program_.state);
    DrawSideMarker();
}

void frmMain::ChooseSide(QString& side) {
    side_ = &side;
    for (QShortcut* key : arrowKeys_) key->setEnabled(true);
    fraInformazioni->lblPosizioneNero->show();
    fraInformazioni->cmdPosizioneNero->show();
    ArrangeControls();
    DrawSideMarker();
    fraInformazioni->cmdPosizioneNero->setFocus();

    waitUntilPressed(fraInformazioni->cmdPosizioneNero);

    imgShow->setOverlay({});
    fraInformazioni->lblPosizioneNero->hide();
    fraInformazioni->cmdPosizioneNero->hide();
    for (QShortcut* key : arrowKeys_) key->setEnabled(false);
    side_ = nullptr;
    ArrangeControls();
}

void frmMain::arrowPressed(int key) {
    *side_ = SideForKey(key);
    DrawSideMarker();
}

// The arrow in dark red, its width growing with the displayed photograph.
void frmMain::DrawSideMarker() {
    const QSizeF shown = imgShow->displayedSize();
    const int width = std::max(2, static_cast<int>(std::min(shown.width(), shown.height())) / 120);
    std::vector<OverlayLine> lines;
    for (const QLineF& segment : SideMarker(*side_, program_.state))
        lines.push_back({segment, kMarkerColour, width});
    imgShow->setOverlay(std::move(lines));
}
