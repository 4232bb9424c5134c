#include "ui/frmMain.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSessionManager>

#include "app/Program.h"
#include "imaging/PhotoPaths.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgressBar.h"
#include "ui/QtUserPort.h"

namespace {

// The margin between the frames and the window's edges, and the gap between
// the two frames, in pixels.
constexpr int kEdgeMargin = 8;
constexpr int kGapBetweenFrames = 23;

}  // namespace

frmMain::frmMain(Program& program, UserPort* port) : program_(program), port_(port) {
    if (port_ == nullptr) {
        ownPort_ = std::make_unique<QtUserPort>(*this);
        port_ = ownPort_.get();
    }
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Banmark by Orrimax"));
    setWindowIcon(ProgramIcon());

    buildOptionsFrame();
    buildDetailsFrame();
    picProgressBar = new ProgressBar(this);

    // A session that ends closes the window without a question.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { sessionEnding_ = true; });

    txtPrimoFile_Change();
    program_.Load(this->port());
    showOutputOptions();

    ArrangeControls();
    resize(minimumSize());
}

frmMain::~frmMain() = default;

UserPort& frmMain::port() { return *port_; }

void frmMain::showOutputOptions() {
    const OutputOptions& options = program_.options;
    chkSGF->setChecked(options.saveSgf);
    chkKifu->setChecked(options.saveKifu);
    cboLarghezza->setCurrentIndex(options.widthUnit);
    txtLarghezza->setText(options.widthText);
    txtDPI->setText(options.dpiText);
}

void frmMain::takeOutputOptions() {
    OutputOptions& options = program_.options;
    options.saveSgf = chkSGF->isChecked();
    options.saveKifu = chkKifu->isChecked();
    options.widthUnit = cboLarghezza->currentIndex();
    options.widthText = txtLarghezza->text();
    options.dpiText = txtDPI->text();
}

void frmMain::txtPrimoFile_Change() {
    cmdElabora->setEnabled(IsPhotoPairProcessable(txtPrimoFile->text(), txtUltimoFile->text()));
}

void frmMain::cmdExit_Click() {
    takeOutputOptions();
    if (!program_.ConfirmExit(port())) return;
    endProgram();
    close();
}

void frmMain::endProgram() {
    exitConfirmed_ = true;
    QCoreApplication::exit(0);
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (sessionEnding_ || exitConfirmed_) {
        event->accept();
        return;
    }
    takeOutputOptions();
    if (!program_.ConfirmExit(port())) {
        event->ignore();
        return;
    }
    endProgram();
    event->accept();
}

void frmMain::keyReleaseEvent(QKeyEvent* event) {
    program_.CtrlHeld = false;
    QWidget::keyReleaseEvent(event);
}

void frmMain::ShowProgress(long& value, long maximum) {
    const ProgressChange change = picProgressBar->Show(value, maximum);
    if (change == ProgressChange::Started || change == ProgressChange::Stopped) ArrangeControls();
    if (change == ProgressChange::Started || change == ProgressChange::Updated) {
        picProgressBar->repaint();
        port().ProcessEvents();
    }
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!isMinimized()) ArrangeControls();
}

void frmMain::ArrangeControls() {
    const QSize options = fraOpzioni->sizeHint();
    const QSize details = fraInformazioni->sizeHint();
    const int frameHeight = qMax(options.height(), details.height());
    const int barHeight = picProgressBar->isHidden() ? 0 : picProgressBar->sizeHint().height();

    // The window system keeps the window at least this large, so a window
    // made smaller is enlarged without a layout pass of our own.
    setMinimumSize(options.width() + details.width() + 2 * kEdgeMargin + kGapBetweenFrames,
                   frameHeight + 2 * kEdgeMargin + barHeight);

    const int pairWidth = options.width() + kGapBetweenFrames + details.width();
    const int left = (width() - pairWidth) / 2;
    const int top = qMax(kEdgeMargin, (height() - barHeight - frameHeight) / 2);
    fraOpzioni->setGeometry(left, top, options.width(), frameHeight);
    fraInformazioni->setGeometry(left + options.width() + kGapBetweenFrames, top, details.width(),
                                 frameHeight);
    picProgressBar->setGeometry(0, height() - barHeight, width(), barHeight);
}
