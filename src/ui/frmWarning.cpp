#include "ui/frmWarning.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "game/GameState.h"
#include "game/MoveText.h"
#include "game/UserPort.h"
#include "game/Version.h"
#include "imaging/Converter.h"
#include "recognition/Classification.h"
#include "recognition/ManualCorrection.h"
#include "recognition/MoveEntry.h"
#include "ui/BoardDiagram.h"
#include "ui/FieldEvents.h"
#include "ui/FormControls.h"
#include "ui/MoveTextEdit.h"
#include "ui/PhotoView.h"
#include "ui/WindowPlacement.h"
#include "ui/frmMain.h"
#include "util/Numbers.h"

namespace {

// The pixels the board drawing may take, whatever the board size.
constexpr int kBoardSpan = 285;
// The move number of the photograph's position must leave room for the
// move after it in the move list.
constexpr int kHighestPositionMove = kMaxMoves - 2;
constexpr int kMoveNumberDigits = 3;

}  // namespace

frmWarning::frmWarning(frmMain& main, UserPort& port) : QDialog(&main), main_(main), port_(port) {
    setObjectName(QStringLiteral("frmWarning"));
    setWindowTitle(kProcessingTitle);
    auto* layout = new QVBoxLayout(this);
    picSfondo = new BoardDiagram(kBoardSpan, this);
    layout->addWidget(picSfondo);
    connect(picSfondo->picStones, &BoardPicture::intersectionDoubleClicked, this,
            &frmWarning::cycleStone);
    auto* browseRow = new QHBoxLayout;
    buildBrowseButtons(browseRow);
    layout->addLayout(browseRow);
    buildMissingMoveFrame();
    layout->addWidget(fra1);
    buildCorrectionFields();
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(lblPOS);
    numberRow->addWidget(txtNumMossa);
    layout->addLayout(numberRow);
    layout->addWidget(fra8);

    auto* fraDivisore = named(new QFrame, "fraDivisore");
    fraDivisore->setFrameShape(QFrame::HLine);
    layout->addWidget(fraDivisore);
    cmdOK = named(new QPushButton(QStringLiteral("&OK")), "cmdOK");
    cmdOK->setDefault(true);
    cmdAnnulla = named(new QPushButton(QStringLiteral("&Annulla")), "cmdAnnulla");
    cmdAnnulla->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdAnnulla, &QPushButton::clicked, this, [this] { cmdAnnulla_Click(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdAnnulla);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmWarning::buildBrowseButtons(QHBoxLayout* row) {
    struct Browse {
        QPushButton*& button;
        const char* name;
        const char* caption;
        BrowseStep step;
    };
    const Browse buttons[] = {
        {cmdFirst, "cmdFirst", "|<", BrowseStep::First},
        {cmdSSX, "cmdSSX", "<<", BrowseStep::BackTen},
        {cmdSX, "cmdSX", "<", BrowseStep::Back},
        {cmdDX, "cmdDX", ">", BrowseStep::Forward},
        {cmdDDX, "cmdDDX", ">>", BrowseStep::ForwardTen},
        {cmdLast, "cmdLast", ">|", BrowseStep::Last},
    };
    row->addStretch();
    for (const Browse& b : buttons) {
        b.button = named(new QPushButton(QString::fromLatin1(b.caption)), b.name);
        b.button->setAutoDefault(false);
        b.button->setFocusPolicy(Qt::NoFocus);  // browsing leaves the focus in the boxes
        connect(b.button, &QPushButton::clicked, this, [this, step = b.step] { browse(step); });
        row->addWidget(b.button);
    }
    row->addStretch();
}

void frmWarning::buildMissingMoveFrame() {
    fra1 = named(new QGroupBox, "fra1");
    auto* grid = new QGridLayout(fra1);
    txtInput = named(new MoveTextEdit, "txtInput");
    lblUltimaMossaRiconosciuta = named(new QLabel, "lblUltimaMossaRiconosciuta");
    grid->addWidget(caption(QStringLiteral("Eventuale mossa mancante:"), "lblInput", txtInput), 0,
                    0);
    grid->addWidget(txtInput, 0, 1);
    grid->addWidget(named(new QLabel(QStringLiteral("Ultima mossa riconosciuta:")), "lblUMR"), 1,
                    0);
    grid->addWidget(lblUltimaMossaRiconosciuta, 1, 1);
}

void frmWarning::buildCorrectionFields() {
    txtNumMossa = named(new QLineEdit, "txtNumMossa");
    txtNumMossa->setMaxLength(kMoveNumberDigits);
    FieldEvents::of(txtNumMossa).keyFilter = [](QChar typed) {
        return isDigit(typed) ? typed : QChar();
    };
    lblPOS = caption(QStringLiteral("Numero mossa alla quale corrisponde la posizione:"), "lblPOS",
                     txtNumMossa);
    fra8 = named(new QGroupBox, "fra8");
    auto* grid = new QGridLayout(fra8);
    // Two columns of four, read down the first column and then the second.
    for (std::size_t k = 0; k < txtMossa.size(); ++k) {
        lblMossa[k] = new QLabel;
        lblMossa[k]->setObjectName(QStringLiteral("lblMossa%1").arg(k));
        lblMossa[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        txtMossa[k] = new MoveTextEdit;
        txtMossa[k]->setObjectName(QStringLiteral("txtMossa%1").arg(k));
        const int row = static_cast<int>(k % 4);
        const int column = static_cast<int>(k / 4) * 2;
        grid->addWidget(lblMossa[k], row, column);
        grid->addWidget(txtMossa[k], row, column + 1);
    }
}

CorrectionResult frmWarning::Correct(GameState& state, CorrectionMode mode,
                                     const QString& lastRecognised, const QRect& anchor) {
    state_ = &state;
    correcting_ = mode == CorrectionMode::Correction;
    cancelled_ = false;
    currentPhoto_ = main_.PhotoOnDisplay();
    photoOnMain_.clear();
    mainCaption_ = main_.windowTitle();
    activate(lastRecognised);
    PlaceBeside(this, anchor, true);
    exec();
    main_.HideStoneMarker();
    main_.DisplayPhoto(currentPhoto_);
    main_.setWindowTitle(mainCaption_);
    state_ = nullptr;
    if (correcting_) return {cancelled_, QString()};
    return {false, txtInput->text()};
}

void frmWarning::activate(const QString& lastRecognised) {
    GameState& state = *state_;
    cmdAnnulla->setEnabled(correcting_);
    ShownMove = state.MoveCount;
    main_.HideLiveBoard();
    picSfondo->setBoard(state.BoardSize, state.BoardColour);
    setBoardSizeOfBoxes(state.BoardSize);
    labelAtActivation_ = lastRecognised;
    lblUltimaMossaRiconosciuta->setText(lastRecognised);
    showPosition();
    showModeFields(correcting_);
}

// Correction mode starts at the number stage with the move boxes empty;
// missing-move mode asks for one move.
void frmWarning::showModeFields(bool correction) {
    fra8->hide();
    lblPOS->setVisible(correction);
    txtNumMossa->setVisible(correction);
    fra1->setVisible(!correction);
    if (correction) {
        for (std::size_t k = 0; k < txtMossa.size(); ++k) {
            lblMossa[k]->clear();
            txtMossa[k]->clear();
            lblMossa[k]->hide();
            txtMossa[k]->hide();
        }
        txtNumMossa->setText(QString::number(state_->MoveCount));
        txtNumMossa->setEnabled(true);
        txtNumMossa->setFocus();
        NumberStage = true;
    } else {
        txtInput->clear();
        txtInput->setFocus();
    }
}

void frmWarning::setBoardSizeOfBoxes(int boardSize) {
    txtInput->setBoardSize(boardSize);
    for (MoveTextEdit* box : txtMossa) box->setBoardSize(boardSize);
}

void frmWarning::browse(BrowseStep step) {
    const GameState& state = *state_;
    ShownMove = BrowseFrom(state, ShownMove, step);
    QString label = state.Moves(ShownMove, 1);
    const bool forward =
        step == BrowseStep::Forward || step == BrowseStep::ForwardTen || step == BrowseStep::Last;
    if (forward && label.isEmpty()) label = labelAtActivation_;
    lblUltimaMossaRiconosciuta->setText(label);
    showPosition();
}

void frmWarning::showPosition() {
    const GameState& state = *state_;
    setWindowTitle(kProcessingTitle + QStringLiteral(" - NumMossa ") + QString::number(ShownMove));
    const std::optional<QPoint> mark = markShownMove();
    picSfondo->picStones->drawPosition(state, PositionToDraw(state, ShownMove), mark);
    showMainPhoto();
    updateBrowseButtons();
}

void frmWarning::showMainPhoto() {
    const GameState& state = *state_;
    if (ShownMove == state.MoveCount) {
        showOnMain(QString());
        main_.setWindowTitle(QString::number(state.MoveCount) + QStringLiteral(". ???") +
                             kCaptionSuffix);
        return;
    }
    const QString& photo = state.Moves(ShownMove, 0);
    showOnMain(photo);
    // A frame of a video is told by its time in the video.
    const QString time = FrameTimeOf(state, photo);
    main_.setWindowTitle(QString::number(ShownMove) + QStringLiteral(". ") +
                         state.Moves(ShownMove, 1) + QStringLiteral(" - ") +
                         (time.isEmpty() ? photo : time) + kCaptionSuffix);
}

void frmWarning::showOnMain(const QString& photo) {
    if (photo == photoOnMain_) return;  // redrawing the board leaves the photograph as it is
    photoOnMain_ = photo;
    if (photo.isEmpty()) {
        main_.DisplayPhoto(currentPhoto_);
        return;
    }
    const QImage picture(photo);
    // A photograph that cannot be read leaves the one on display.
    if (!picture.isNull()) main_.DisplayPhoto(picture);
}

void frmWarning::updateBrowseButtons() {
    const GameState& state = *state_;
    cmdFirst->setEnabled(CanBrowse(state, ShownMove, BrowseStep::First));
    cmdSSX->setEnabled(CanBrowse(state, ShownMove, BrowseStep::BackTen));
    cmdSX->setEnabled(CanBrowse(state, ShownMove, BrowseStep::Back));
    cmdDX->setEnabled(CanBrowse(state, ShownMove, BrowseStep::Forward));
    cmdDDX->setEnabled(CanBrowse(state, ShownMove, BrowseStep::ForwardTen));
    cmdLast->setEnabled(CanBrowse(state, ShownMove, BrowseStep::Last));
}

std::optional<QPoint> frmWarning::markShownMove() {
    const GameState& state = *state_;
    const QString label = lblUltimaMossaRiconosciuta->text();
    const bool namesPoint = IsValidMove(label, state.BoardSize) && !label.endsWith("pass");
    if (!namesPoint) {
        main_.HideStoneMarker();
        return std::nullopt;
    }
    const MovePoint point = PointOfMove(label, state.BoardSize);
    const int move = MoveWithText(state, ShownMove, label);
    if (move > 0 && !state.Moves(move, 2).isEmpty()) {
        // The grid that photograph was read with: the board may have moved since.
        const auto recorded = state.PhotoGrids.find(state.Moves(move, 0));
        const auto& grid = recorded != state.PhotoGrids.end() ? recorded->second : state.GridPoints;
        const QPointF centre(grid(point.i, point.j, 0), grid(point.i, point.j, 1));
        main_.MarkStone(centre, DimensionePietra(state, point.i, point.j));
    } else {
        main_.HideStoneMarker();
    }
    return QPoint(point.i, point.j);
}

// Changes the stone of the position drawn: empty, black, white, empty.
void frmWarning::cycleStone(int i, int j) {
    if (state_ == nullptr) return;
    int& stone = state_->Positions(i, j, PositionToDraw(*state_, ShownMove));
    stone = stone == kEmpty ? kBlack : stone == kBlack ? kWhite : kEmpty;
    showPosition();
}

void frmWarning::cmdOK_Click() {
    if (!correcting_) {
        const QString text = txtInput->text();
        if (text.isEmpty() || IsValidMove(text, state_->BoardSize)) {
            hide();
        } else {
            refuse(txtInput);
        }
    } else if (NumberStage) {
        confirmMoveNumber();
    } else {
        confirmMoveTexts();
    }
}

void frmWarning::refuse(QLineEdit* box) {
    port_.Beep();
    box->setFocus();
    if (auto* move = qobject_cast<MoveTextEdit*>(box)) {
        move->selectFromStart();
    } else {
        box->selectAll();
    }
}

void frmWarning::confirmMoveNumber() {
    GameState& state = *state_;
    const auto n = static_cast<int>(numericValue(txtNumMossa->text()));
    if (n < 1 || n > kHighestPositionMove) {
        refuse(txtNumMossa);
        return;
    }
    TakePositionAsMove(state, n);
    ShownMove = n;
    showPosition();
    fra8->show();
    for (int k = 7; k >= 0; --k) {
        const int m = n + k - 7;
        if (m < 1) continue;
        lblMossa[k]->setText(QString::number(m) + QLatin1Char(':'));
        txtMossa[k]->setText(state.Moves(m, 1));
        lblMossa[k]->show();
        txtMossa[k]->show();
        txtMossa[k]->setFocus();
    }
    txtNumMossa->setEnabled(false);
    NumberStage = false;
}

void frmWarning::confirmMoveTexts() {
    GameState& state = *state_;
    const int first = state.MoveCount - 7;
    for (int k = 0; k < 8; ++k) {
        if (first + k >= 1 && !IsValidMove(txtMossa[k]->text(), state.BoardSize)) {
            refuse(txtMossa[k]);
            return;
        }
    }
    for (int k = 0; k < 8; ++k) {
        const int m = first + k;
        if (m < 1 || txtMossa[k]->text() == state.Moves(m, 1)) continue;
        state.Moves(m, 1) = txtMossa[k]->text();
        state.Moves(m, 2).clear();  // where the stone lies on the photograph is no longer known
    }
    hide();
}

void frmWarning::cmdAnnulla_Click() {
    cancelled_ = true;
    hide();
}

void frmWarning::reject() {
    if (cmdAnnulla->isEnabled()) cmdAnnulla_Click();
}
