#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class UserPort;

// The anomaly dialog: what a photograph showed that breaks the rules, and
// four ways to go on. It only records the user's choice.
class frmErrore : public QDialog {
    Q_OBJECT
public:
    frmErrore(UserPort& port, QWidget* parent);

    // Shows the situation lines beside the anchor (on the screen), beeps
    // and waits for the user. Returns the chosen button 1 ... 4, 999 when
    // the user confirmed the abort, or 0 when the dialog was closed in
    // another way. Enter chooses 2.
    int Ask(const std::array<QString, 6>& situationLines, const QRect& anchor);

    std::array<QLabel*, 6> lblSituazione{};
    // Index 0 is unused: the buttons are numbered 1 to 4.
    std::array<QPushButton*, 5> cmdScelta{};
    QPushButton* cmdExit = nullptr;

private:
    void choose(int choice);
    void cmdExit_Click();

    UserPort& port_;
    int choice_ = 0;
};
