#include "ui/frmMain.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSessionManager>

#include "app/Program.h"
#include "game/Version.h"
#include "ui/DetailsFrame.h"
#include "ui/OptionsFrame.h"
#include "ui/PhotoView.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgressBar.h"
#include "ui/QtUserPort.h"
#include "ui/WindowLayout.h"
#include "ui/ZoomView.h"

namespace {

constexpr int kFrameMilliseconds = 16;

}  // namespace

frmMain::frmMain(Program& program, UserPort* port) : program_(program), port_(port) {
    ownPort_ = std::make_unique<QtUserPort>(*this);
    if (port_ == nullptr) port_ = ownPort_.get();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kProgramCaption);
    setWindowIcon(ProgramIcon());

    fraOpzioni = new OptionsFrame(program_, this->port(), this);
    fraInformazioni = new DetailsFrame(program_.details, this->port(), this);
    imgIcon[0] = fraOpzioni->imgIcon;
    buildProcessingView();
    buildGridCheckControls();
    picProgressBar = new ProgressBar(this);
    connect(fraOpzioni->cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    connect(fraOpzioni->cmdElabora, &QPushButton::clicked, this, [this] { cmdElabora_Click(); });

    // A session that ends closes the window without a question.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { sessionEnding_ = true; });

    program_.Load(this->port());
    fraOpzioni->showOutputOptions();

    ArrangeControls();
    resize(minimumSize());
}

frmMain::~frmMain() = default;

UserPort& frmMain::port() { return *port_; }

RecognitionWindows& frmMain::windows() { return *ownPort_; }

void frmMain::buildProcessingView() {
    imgShow = new PhotoView(this);
    imgShow->setObjectName(QStringLiteral("imgShow"));
    imgShow->hide();
    buildLiveBoard();
    imgIcon[1] = ProgramPictureLabel("imgIcon1", this);
    imgIcon[1]->hide();
    picFoto = new QLabel(this);
    picFoto->setObjectName(QStringLiteral("picFoto"));
    picFoto->setTextFormat(Qt::PlainText);
    picFoto->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picFoto->setAutoFillBackground(true);
    picFoto->hide();
    pic3 = new ZoomView(this);
    pic3->hide();
    connect(imgShow, &PhotoView::leftDoubleClicked, this, &frmMain::InspectPoint);
}

void frmMain::cmdExit_Click() {
    fraOpzioni->takeOutputOptions();
    if (!program_.ConfirmExit(port())) return;
    exitConfirmed_ = true;
    close();
}

// Closing the main window ends the program: it is the application's last
// window, and Qt quits when the last window closes.
void frmMain::closeEvent(QCloseEvent* event) {
    if (sessionEnding_ || exitConfirmed_) {
        event->accept();
        return;
    }
    fraOpzioni->takeOutputOptions();
    if (!program_.ConfirmExit(port())) {
        event->ignore();
        return;
    }
    exitConfirmed_ = true;
    event->accept();
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    program_.CtrlHeld = event->modifiers().testFlag(Qt::ControlModifier);
    QWidget::keyPressEvent(event);
}

void frmMain::keyReleaseEvent(QKeyEvent* event) {
    program_.CtrlHeld = false;
    QWidget::keyReleaseEvent(event);
}

void frmMain::ShowProgress(long& value, long maximum) {
    const ProgressChange change = picProgressBar->Show(value, maximum);
    if (change == ProgressChange::Started || change == ProgressChange::Stopped) ArrangeControls();
    if (change == ProgressChange::Started) {
        picProgressBar->repaint();
        letEventsThrough();
    } else if (change == ProgressChange::Updated) {
        // Painting the bar and turning the event loop cost more than a
        // column of the line voting: once per screen frame looks and
        // responds just the same.
        picProgressBar->update();
        if (sinceEvents_.hasExpired(kFrameMilliseconds)) letEventsThrough();
    }
}

void frmMain::letEventsThrough() {
    port().ProcessEvents();
    sinceEvents_.start();
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isMinimized()) return;
    ArrangeControls();
    RedrawLiveBoard(program_.state);
}

void frmMain::ArrangeControls() {
    // The grid is checked on the largest window there can be. Without a
    // window manager the request may not be granted: lay out what there is.
    if (!cmdRicalibrato->isHidden() && !isMaximized()) showMaximized();
    const int barHeight = picProgressBar->isHidden() ? 0 : picProgressBar->sizeHint().height();
    // The window system keeps the window at least this large, so a window
    // made smaller is enlarged without a layout pass of our own.
    setMinimumSize(
        MinimumWindowSize(fraOpzioni->sizeHint(), fraInformazioni->sizeHint(), barHeight));
    picProgressBar->setGeometry(0, height() - barHeight, width(), barHeight);

    if (fraOpzioni->isHidden()) {
        arrangeProcessingView(barHeight);
        return;
    }
    const OptionsPlaces places =
        OptionsArrangement(size(), fraOpzioni->sizeHint(), fraInformazioni->sizeHint(), barHeight);
    fraOpzioni->setGeometry(places.options);
    fraInformazioni->setGeometry(places.details);
}

void frmMain::arrangeProcessingView(int barHeight) {
    const QSize photo = imgShow->photo().size();
    if (!cmdRicalibrato->isHidden()) {
        const CalibrationPlaces places =
            CalibrationArrangement(size(), cmdRicalibrato->sizeHint().height(), photo);
        imgShow->setGeometry(places.photo);
        cmdRicalibrato->setGeometry(places.button);
        return;
    }
    const ProcessingPlaces places = ProcessingArrangement(
        size(), fraInformazioni->sizeHint(), fraGoban->sizeHint().height(), photo, barHeight);
    imgShow->setGeometry(places.photo);
    fraInformazioni->setGeometry(places.details);
    fraGoban->setGeometry(places.board);
    imgIcon[1]->setGeometry(places.board);
    if (side_ != nullptr) DrawSideMarker();
}
