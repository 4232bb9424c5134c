#include "ui/frmErrore.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "game/UserPort.h"
#include "imaging/Converter.h"
#include "ui/FormControls.h"
#include "ui/WindowPlacement.h"

namespace {

constexpr int kAbandon = 999;
constexpr int kButtonWidth = 300;

struct Choice {
    int index;
    const char* caption;
    int row;
    int column;
    QColor colour;
};

const Choice kChoices[] = {
    {1, "Procedere con l'analisi della foto (probabilmente sono presenti due mosse)", 0, 1,
     QColor(0, 255, 0)},
    {2, "Ignorare la foto (in quella seguente verranno cercate due mosse)", 0, 0,
     QColor(255, 255, 0)},
    {3,
     "Convalidare la posizione della foto e inserire a mano le mosse non riconosciute, per "
     "poi ripartire da questo punto",
     1, 1, QColor(255, 0, 0)},
    {4,
     "Effettuare una ricalibrazione manuale (probabilmente il goban o la macchina fotografica "
     "si sono spostati)",
     1, 0, QColor(255, 128, 0)},
};

// A push button in the colour of its choice, its long caption wrapped over
// several lines; clicks reach the button through the caption.
QPushButton* choiceButton(const Choice& choice) {
    auto* button = new QPushButton;
    button->setObjectName(QStringLiteral("cmdScelta%1").arg(choice.index));
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black; }"
                                         "QPushButton:focus { border: 2px solid black; }")
                              .arg(choice.colour.name()));
    auto* text = new QLabel(QString::fromUtf8(choice.caption), button);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    text->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QVBoxLayout(button);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addWidget(text);
    button->setMinimumSize(kButtonWidth, layout->sizeHint().height());
    button->setToolTip(text->text());
    return button;
}

}  // namespace

frmErrore::frmErrore(UserPort& port, QWidget* parent) : QDialog(parent), port_(port) {
    setObjectName(QStringLiteral("frmErrore"));
    setWindowTitle(kProcessingTitle);
    auto* layout = new QVBoxLayout(this);
    auto* lblAvviso =
        named(new QLabel(QStringLiteral("La foto in esame presenta una situazione anomala!")),
              "lblAvviso");
    QFont bold = lblAvviso->font();
    bold.setBold(true);
    lblAvviso->setFont(bold);
    layout->addWidget(lblAvviso);
    for (std::size_t k = 0; k < lblSituazione.size(); ++k) {
        lblSituazione[k] = new QLabel;
        lblSituazione[k]->setObjectName(QStringLiteral("lblSituazione%1").arg(k));
        lblSituazione[k]->setTextFormat(Qt::PlainText);
        layout->addWidget(lblSituazione[k]);
    }

    auto* fraScelta = named(
        new QGroupBox(QStringLiteral("Per continuare, scegliere una delle seguenti possibilità:")),
        "fraScelta");
    auto* grid = new QGridLayout(fraScelta);
    for (const Choice& choice : kChoices) {
        QPushButton* button = choiceButton(choice);
        cmdScelta[choice.index] = button;
        grid->addWidget(button, choice.row, choice.column);
        connect(button, &QPushButton::clicked, this, [this, k = choice.index] { choose(k); });
    }
    layout->addWidget(fraScelta);

    cmdExit = named(new QPushButton(QStringLiteral("&Interrompere l'elaborazione di Banmark")),
                    "cmdExit");
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    layout->addWidget(cmdExit, 0, Qt::AlignRight);
    // The tab order follows the places: the two rows of choices, then the exit.
    QWidget* const order[] = {cmdScelta[2], cmdScelta[1], cmdScelta[4], cmdScelta[3], cmdExit};
    for (std::size_t k = 0; k + 1 < std::size(order); ++k) setTabOrder(order[k], order[k + 1]);
}

int frmErrore::Ask(const std::array<QString, 6>& situationLines, const QRect& anchor) {
    choice_ = 0;
    for (std::size_t k = 0; k < lblSituazione.size(); ++k) {
        lblSituazione[k]->setText(situationLines[k]);
        lblSituazione[k]->setVisible(!situationLines[k].isEmpty());
    }
    PlaceBeside(this, anchor, true);
    cmdScelta[2]->setFocus();
    port_.Beep();
    exec();
    return choice_;
}

void frmErrore::choose(int choice) {
    choice_ = choice;
    hide();
}

void frmErrore::cmdExit_Click() {
    MessageBoxRequest question{kProcessingTitle, QStringLiteral("Interrompere l'elaborazione?"),
                               MessageIcon::Question, MessageButtons::YesNo, Answer::No};
    if (port_.ShowMessage(question) == Answer::Yes) choose(kAbandon);
}
