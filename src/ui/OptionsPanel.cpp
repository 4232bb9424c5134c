// Building the two frames of the options panel.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ProgramIcon.h"
#include "ui/frmMain.h"

namespace {

constexpr int kIconSize = 48;

template <typename Control>
Control* named(Control* control, const char* objectName) {
    control->setObjectName(QLatin1String(objectName));
    return control;
}

QLabel* caption(const QString& text, const char* objectName, QWidget* buddy) {
    QLabel* label = named(new QLabel(text), objectName);
    label->setBuddy(buddy);
    return label;
}

QLabel* iconImage(const char* objectName) {
    QLabel* image = named(new QLabel, objectName);
    image->setPixmap(ProgramPixmap(kIconSize));
    image->setAlignment(Qt::AlignCenter);
    return image;
}

// Ranks from the strongest professional to the weakest amateur, after an empty entry.
QStringList rankEntries() {
    QStringList ranks{QString()};
    for (int p = 9; p >= 1; --p) ranks << QStringLiteral("%1p").arg(p);
    for (int d = 9; d >= 1; --d) ranks << QStringLiteral("%1d").arg(d);
    for (int k = 1; k <= 30; ++k) ranks << QStringLiteral("%1k").arg(k);
    return ranks;
}

// An empty entry, then 2 ... 9 stones (one stone is no handicap).
QStringList handicapEntries() {
    QStringList entries{QString()};
    for (int stones = 2; stones <= 9; ++stones) entries << QString::number(stones);
    return entries;
}

QComboBox* list(const QStringList& entries, const char* objectName) {
    QComboBox* box = named(new QComboBox, objectName);
    box->addItems(entries);
    return box;
}

}  // namespace

void frmMain::buildOptionsFrame() {
    fraOpzioni = named(new QGroupBox(QStringLiteral("Opzioni"), this), "fraOpzioni");

    txtPrimoFile = named(new QLineEdit, "txtPrimoFile");
    lblPrimoFile =
        caption(QStringLiteral("&Primo file (goban vuoto; doppio click per cercare o drag&&drop):"),
                "lblPrimoFile", txtPrimoFile);
    txtUltimoFile = named(new QLineEdit, "txtUltimoFile");
    lblUltimoFile = caption(
        QStringLiteral("&Ultimo file (ultima mossa; doppio click per cercare o drag&&drop):"),
        "lblUltimoFile", txtUltimoFile);
    connect(txtPrimoFile, &QLineEdit::textChanged, this, [this] { txtPrimoFile_Change(); });
    connect(txtUltimoFile, &QLineEdit::textChanged, this, [this] { txtPrimoFile_Change(); });

    chkSGF = named(new QCheckBox(QStringLiteral("Salva file &SGF")), "chkSGF");
    chkKifu = named(new QCheckBox(QStringLiteral("Genera &kifu")), "chkKifu");

    txtLarghezza = named(new QLineEdit, "txtLarghezza");
    lblLarghezza = caption(QStringLiteral("&Larghezza:"), "lblLarghezza", txtLarghezza);
    cboLarghezza = list({QStringLiteral("cm"), QStringLiteral("inch"), QStringLiteral("pixel")},
                        "cboLarghezza");
    txtDPI = named(new QLineEdit, "txtDPI");
    lblDPI = caption(QStringLiteral("DP&I:"), "lblDPI", txtDPI);
    for (QLineEdit* field : {txtLarghezza, txtDPI}) field->setMaximumWidth(70);
    imgIcon[0] = iconImage("imgIcon0");
    imgIcon[0]->hide();

    auto* size = new QGridLayout;
    size->addWidget(lblLarghezza, 0, 0);
    size->addWidget(txtLarghezza, 0, 1);
    size->addWidget(cboLarghezza, 0, 2);
    size->addWidget(lblDPI, 1, 0);
    size->addWidget(txtDPI, 1, 1);
    size->addWidget(imgIcon[0], 0, 0, 2, 3);
    size->setColumnStretch(3, 1);

    cmdElabora = named(new QPushButton(QStringLiteral("&Elaborare")), "cmdElabora");
    cmdExit = named(new QPushButton(QStringLiteral("&Chiudere")), "cmdExit");
    cmdElabora->setDefault(true);
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdElabora);
    buttons->addWidget(cmdExit);

    auto* column = new QVBoxLayout(fraOpzioni);
    column->addWidget(lblPrimoFile);
    column->addWidget(txtPrimoFile);
    column->addSpacing(6);
    column->addWidget(lblUltimoFile);
    column->addWidget(txtUltimoFile);
    column->addSpacing(16);
    column->addWidget(chkSGF);
    column->addWidget(chkKifu);
    column->addLayout(size);
    column->addStretch();
    column->addLayout(buttons);
}

void frmMain::buildDetailsFrame() {
    fraInformazioni =
        named(new QGroupBox(QStringLiteral("&Dettagli partita"), this), "fraInformazioni");
    auto* grid = new QGridLayout(fraInformazioni);
    int row = 0;
    // One row per field: its caption in the first column, the field beside it
    // (with the rank list after a player's name).
    auto addRow = [&](const QString& text, const char* labelName, QWidget* field,
                      QWidget* extra = nullptr) {
        QLabel* label = caption(text, labelName, field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1, 1, extra ? 1 : 2);
        if (extra) grid->addWidget(extra, row, 2);
        ++row;
        return label;
    };
    auto text = [](const char* objectName) { return named(new QLineEdit, objectName); };

    txtNero = text("txtNero");
    cboRankNero = list(rankEntries(), "cboRankNero");
    addRow(QStringLiteral("Nero:"), "lblNero", txtNero, cboRankNero);
    addRow(QStringLiteral("Team:"), "lblTeamNero", txtTeamNero = text("txtTeamNero"));
    txtBianco = text("txtBianco");
    cboRankBianco = list(rankEntries(), "cboRankBianco");
    addRow(QStringLiteral("Bianco:"), "lblBianco", txtBianco, cboRankBianco);
    addRow(QStringLiteral("Team:"), "lblTeamBianco", txtTeamBianco = text("txtTeamBianco"));
    addRow(QStringLiteral("Komi:"), "lblKomi", txtKomi = text("txtKomi"));
    cboHandicap = list(handicapEntries(), "cboHandicap");
    lblHandicap = addRow(QStringLiteral("Handicap:"), "lblHandicap", cboHandicap);
    cboRegole = list({QStringLiteral("AGA"), QStringLiteral("Chinese"), QStringLiteral("Japanese"),
                      QStringLiteral("GOE"), QStringLiteral("NZ")},
                     "cboRegole");
    cboRegole->setEditable(true);
    // Nothing chosen until the user chooses: the handicap list has no
    // selection, and the rules must be given before processing.
    cboHandicap->setCurrentIndex(-1);
    cboRegole->setCurrentIndex(-1);
    lblRegole = addRow(QStringLiteral("Regole:"), "lblRegole", cboRegole);
    addRow(QStringLiteral("Tempo principale (in secondi):"), "lblTempo",
           txtTempo = text("txtTempo"));
    addRow(QStringLiteral("Byo-yomi:"), "lblByoyomi", txtByoyomi = text("txtByoyomi"));
    addRow(QStringLiteral("Luogo:"), "lblLuogo", txtLuogo = text("txtLuogo"));
    addRow(QStringLiteral("Data (aaaa-mm-gg):"), "lblData", txtData = text("txtData"));
    addRow(QStringLiteral("Evento:"), "lblEvento", txtEvento = text("txtEvento"));
    addRow(QStringLiteral("Turno:"), "lblTurno", txtTurno = text("txtTurno"));
    addRow(QStringLiteral("Nome partita:"), "lblTitolo", txtTitolo = text("txtTitolo"));
    addRow(QStringLiteral("Esito (usare B e W):"), "lblRisultato",
           txtRisultato = text("txtRisultato"));
    grid->setColumnMinimumWidth(1, 180);

    imgIcon[1] = iconImage("imgIcon1");
    imgIcon[1]->setParent(this);
    imgIcon[1]->hide();
}
