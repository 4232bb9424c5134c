#include "ui/QtUserPort.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "imaging/Converter.h"
#include "ui/DetailsFrame.h"
#include "ui/frmMain.h"

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

struct ButtonChoice {
    Answer answer;
    QMessageBox::StandardButton button;
    const char* caption;  // Italian, whatever language Qt itself speaks
};

const ButtonChoice kChoices[] = {
    {Answer::Yes, QMessageBox::Yes, "&Sì"},
    {Answer::No, QMessageBox::No, "&No"},
    {Answer::Ok, QMessageBox::Ok, "OK"},
    {Answer::Cancel, QMessageBox::Cancel, "Annulla"},
};

QList<Answer> offeredAnswers(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return {Answer::Ok};
        case MessageButtons::OkCancel:
            return {Answer::Ok, Answer::Cancel};
        case MessageButtons::YesNo:
            return {Answer::Yes, Answer::No};
        case MessageButtons::YesNoCancel:
            return {Answer::Yes, Answer::No, Answer::Cancel};
    }
    return {Answer::Ok};
}

const ButtonChoice& choiceFor(Answer answer) {
    for (const ButtonChoice& choice : kChoices) {
        if (choice.answer == answer) return choice;
    }
    return kChoices[2];
}

}  // namespace

Answer QtUserPort::ShowMessage(const MessageBoxRequest& request) {
    QMessageBox box(boxIcon(request.icon), request.title,
                    QString(request.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                    QMessageBox::NoButton, &window_);
    const QList<Answer> offered = offeredAnswers(request.buttons);
    for (Answer answer : offered) {
        const ButtonChoice& choice = choiceFor(answer);
        box.addButton(choice.button)->setText(QString::fromUtf8(choice.caption));
    }
    box.setDefaultButton(choiceFor(request.defaultButton).button);
    // Closing the box with Esc or its close box counts as the last button
    // offered (No or Cancel), as with any message box of the system.
    box.setEscapeButton(choiceFor(offered.last()).button);
    const int pressed = box.exec();
    for (Answer answer : offered) {
        if (choiceFor(answer).button == pressed) return answer;
    }
    return offered.last();
}

void QtUserPort::Beep() { QApplication::beep(); }

void QtUserPort::ProcessEvents() { QCoreApplication::processEvents(); }

void QtUserPort::ShowProgress(long& value, long maximum) { window_.ShowProgress(value, maximum); }

void QtUserPort::ShowPhoto(const QImage& photo) { window_.ShowPhoto(photo); }

bool QtUserPort::CalibrateGrid(GridCalibration& calibration) {
    return window_.CalibrateGrid(calibration);
}

void QtUserPort::ChooseSide(QString& side) { window_.ChooseSide(side); }

void QtUserPort::MarkInvalidInput(InputField field) { window_.MarkInvalidInput(field); }

void QtUserPort::ShowProcessingView() { window_.ShowProcessingView(); }

void QtUserPort::ShowOptionsPanel() { window_.ShowOptionsPanel(); }

void QtUserPort::SetCaption(const QString& caption) { window_.setWindowTitle(caption); }

void QtUserPort::EnableGameStartFields(bool enabled) { window_.EnableGameStartFields(enabled); }

void QtUserPort::ShowGameDetails() { window_.ShowGameDetails(); }

void QtUserPort::ShowSummary(const QString& text) {
    ShowMessage({kProcessingTitle, text, MessageIcon::Information, MessageButtons::Ok, Answer::Ok});
}

void QtUserPort::EndProcessingView() { window_.EndProcessingView(); }

void QtUserPort::ShowWaitingText(const QString& text, int boardColour) {
    window_.ShowWaitingText(text, boardColour);
}

void QtUserPort::EndProgram() { window_.EndProgram(); }

int QtUserPort::AskAnomalyChoice(const std::array<QString, 6>& situationLines) {
    return window_.AskAnomalyChoice(situationLines);
}

CorrectionResult QtUserPort::CorrectMoves(GameState& state, CorrectionMode mode,
                                          const QString& lastRecognised) {
    return window_.CorrectMoves(state, mode, lastRecognised);
}

void QtUserPort::RedrawLiveBoard(const GameState& state) { window_.RedrawLiveBoard(state); }
