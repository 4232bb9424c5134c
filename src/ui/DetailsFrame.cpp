#include "ui/DetailsFrame.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/GameDetailFields.h"
#include "game/GameDetails.h"
#include "game/UserPort.h"
#include "ui/FieldEvents.h"
#include "ui/FieldLook.h"
#include "ui/FormControls.h"

namespace {

constexpr int kFieldWidth = 180;

QLineEdit* textField(const char* objectName) { return named(new QLineEdit, objectName); }

QString trimmed(const QString& text) { return text.trimmed(); }

}  // namespace

DetailsFrame::DetailsFrame(GameDetails& details, UserPort& port, QWidget* parent)
    : QGroupBox(QStringLiteral("&Dettagli partita"), parent), details_(details), port_(port) {
    setObjectName(QStringLiteral("fraInformazioni"));
    buildFields();
    wireTextFields();
    wireLists();
    showDetails();
}

void DetailsFrame::buildFields() {
    auto* grid = new QGridLayout(this);
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

    addRow(QStringLiteral("Nero:"), "lblNero", txtNero = textField("txtNero"),
           cboRankNero = list(RankEntries(), "cboRankNero"));
    addRow(QStringLiteral("Team:"), "lblTeamNero", txtTeamNero = textField("txtTeamNero"));
    addRow(QStringLiteral("Bianco:"), "lblBianco", txtBianco = textField("txtBianco"),
           cboRankBianco = list(RankEntries(), "cboRankBianco"));
    addRow(QStringLiteral("Team:"), "lblTeamBianco", txtTeamBianco = textField("txtTeamBianco"));
    addRow(QStringLiteral("Komi:"), "lblKomi", txtKomi = textField("txtKomi"));
    lblHandicap = addRow(QStringLiteral("Handicap:"), "lblHandicap",
                         cboHandicap = list(HandicapEntries(), "cboHandicap"));
    lblRegole = addRow(QStringLiteral("Regole:"), "lblRegole",
                       cboRegole = list(RulesEntries(), "cboRegole"));
    addRow(QStringLiteral("Tempo principale (in secondi):"), "lblTempo",
           txtTempo = textField("txtTempo"));
    addRow(QStringLiteral("Byo-yomi:"), "lblByoyomi", txtByoyomi = textField("txtByoyomi"));
    addRow(QStringLiteral("Luogo:"), "lblLuogo", txtLuogo = textField("txtLuogo"));
    addRow(QStringLiteral("Data (aaaa-mm-gg):"), "lblData", txtData = textField("txtData"));
    addRow(QStringLiteral("Evento:"), "lblEvento", txtEvento = textField("txtEvento"));
    addRow(QStringLiteral("Turno:"), "lblTurno", txtTurno = textField("txtTurno"));
    addRow(QStringLiteral("Nome partita:"), "lblTitolo", txtTitolo = textField("txtTitolo"));
    addRow(QStringLiteral("Esito (usare B e W):"), "lblRisultato",
           txtRisultato = textField("txtRisultato"));
    grid->setColumnMinimumWidth(1, kFieldWidth);

    lblPosizioneNero = named(
        new QLabel(QStringLiteral("Selezionare, con il mouse o i tasti di spostamento del cursore, "
                                  "il lato del goban dal punto di vista del quale verranno creati "
                                  "file SGF e/o kifu:")),
        "lblPosizioneNero");
    lblPosizioneNero->setWordWrap(true);
    cmdPosizioneNero = named(new QPushButton(QStringLiteral("&OK")), "cmdPosizioneNero");
    grid->addWidget(lblPosizioneNero, row++, 0, 1, 3);
    grid->addWidget(cmdPosizioneNero, row++, 0, 1, 3, Qt::AlignRight);
    lblPosizioneNero->hide();
    cmdPosizioneNero->hide();

    // The rules take free text, written exactly as the program completes it:
    // no completion or list insertion of Qt's own.
    cboRegole->setEditable(true);
    cboRegole->setCompleter(nullptr);
    cboRegole->setInsertPolicy(QComboBox::NoInsert);
}

void DetailsFrame::wireTextFields() {
    // Names end up in file names: characters a file name cannot hold are
    // dropped as soon as they are typed or pasted.
    keepName(txtNero, &GameDetails::blackName);
    keepName(txtTeamNero, &GameDetails::blackTeam);
    keepName(txtBianco, &GameDetails::whiteName);
    keepName(txtTeamBianco, &GameDetails::whiteTeam);
    keepName(txtLuogo, &GameDetails::place);
    keepName(txtEvento, &GameDetails::event);
    keepName(txtTurno, &GameDetails::round);
    keepName(txtTitolo, &GameDetails::gameName);
    keepText(txtByoyomi, &GameDetails::byoyomi);
    keepText(txtKomi, &GameDetails::komi);
    keepText(txtTempo, &GameDetails::mainTime);
    keepText(txtData, &GameDetails::date);
    keepText(txtRisultato, &GameDetails::result);
    for (QLineEdit* field : {txtNero, txtTeamNero, txtBianco, txtTeamBianco, txtLuogo, txtEvento,
                             txtTurno, txtTitolo, txtByoyomi})
        setFocusLost(field, trimmed);

    FieldEvents::of(txtTempo).keyFilter = MainTimeKey;
    FieldEvents::of(txtData).keyFilter = DateKey;
    FieldEvents::of(txtRisultato).keyFilter = ResultKey;
    FieldEvents::of(txtKomi).keyFilter = [this](QChar typed) {
        return KomiKey(txtKomi->text(), txtKomi->cursorPosition(), typed);
    };

    setFocusLost(txtTempo, NormaliseMainTime);
    setFocusLost(txtKomi, NormaliseKomi);
    FieldEvents::of(txtData).focusLost = [this] {
        if (!IsDateAccepted(txtData->text())) refuse(txtData);
    };
    FieldEvents::of(txtRisultato).focusLost = [this] { txtRisultato_LostFocus(); };
}

void DetailsFrame::wireLists() {
    connect(cboRankNero, &QComboBox::currentIndexChanged, this,
            [this](int index) { details_.blackRankIndex = index; });
    connect(cboRankBianco, &QComboBox::currentIndexChanged, this,
            [this](int index) { details_.whiteRankIndex = index; });

    connect(cboHandicap, &QComboBox::currentIndexChanged, this,
            [this](int index) { details_.handicapIndex = index; });
    connect(cboHandicap, &QComboBox::activated, this,
            [this] { ResetFieldBackground(cboHandicap); });
    // The empty entry means no handicap: no entry selected at all.
    FieldEvents::of(cboHandicap).focusLost = [this] {
        if (cboHandicap->currentIndex() == 0) cboHandicap->setCurrentIndex(-1);
    };

    connect(cboRegole, &QComboBox::editTextChanged, this, [this] { cboRegole_Change(); });
    connect(cboRegole, &QComboBox::activated, this, [this] { ResetFieldBackground(cboRegole); });
    FieldEvents& rules = FieldEvents::of(cboRegole);
    rules.focusLost = [this] {
        cboRegole->setEditText(cboRegole->currentText().trimmed());
        rulesSelectedByCompletion_ = false;
    };
    // Completion selects the whole text; what the user types next continues
    // it instead of replacing it, so "c", "h" gives "Ch".
    rules.beforeKey = [this] {
        QLineEdit* text = cboRegole->lineEdit();
        if (rulesSelectedByCompletion_ && text->selectedText() == text->text()) text->end(false);
        rulesSelectedByCompletion_ = false;
    };
}

void DetailsFrame::keepText(QLineEdit* field, QString GameDetails::*value) {
    textFields_.emplace_back(field, value);
    connect(field, &QLineEdit::textChanged, this,
            [this, field, value] { details_.*value = field->text(); });
}

void DetailsFrame::keepName(QLineEdit* field, QString GameDetails::*value) {
    // Connected before the details are kept, which read the field's text
    // afterwards and so never keep a refused character.
    connect(field, &QLineEdit::textChanged, this, [field](const QString& text) {
        const QString kept = KeepFileNameChars(text);
        if (kept != text) field->setText(kept);  // caret after the end, nothing selected
    });
    keepText(field, value);
}

void DetailsFrame::setFocusLost(QLineEdit* field, QString (*normalise)(const QString&)) {
    FieldEvents::of(field).focusLost = [field, normalise] {
        const QString normal = normalise(field->text());
        if (normal != field->text()) field->setText(normal);
    };
}

void DetailsFrame::refuse(QLineEdit* field) {
    port_.Beep();
    field->clear();
    FocusLater(field);
}

void DetailsFrame::txtRisultato_LostFocus() {
    const std::optional<QString> result = NormaliseResult(txtRisultato->text());
    if (!result) {
        refuse(txtRisultato);
    } else if (*result != txtRisultato->text()) {
        txtRisultato->setText(*result);
    }
}

void DetailsFrame::cboRegole_Change() {
    // Clears the red mark of a missing entry; yellow shows that the program
    // filled the list in while the user could not change it.
    if (cboRegole->isEnabled()) {
        ResetFieldBackground(cboRegole);
    } else {
        SetFieldBackground(cboRegole, QColor(255, 255, 0));
    }
    details_.rules = cboRegole->currentText();

    const std::optional<QString> completed = CompleteRules(cboRegole->currentText());
    if (!completed) return;
    if (*completed != cboRegole->currentText()) cboRegole->setEditText(*completed);
    cboRegole->lineEdit()->selectAll();
    rulesSelectedByCompletion_ = true;
}

void DetailsFrame::showDetails() {
    for (const auto& [field, value] : textFields_) field->setText(details_.*value);
    cboRankNero->setCurrentIndex(details_.blackRankIndex);
    cboRankBianco->setCurrentIndex(details_.whiteRankIndex);
    const int handicapIndex = details_.handicapIndex;  // refilling the list clears the selection
    if (cboHandicap->count() != details_.handicapMax) {
        cboHandicap->clear();
        cboHandicap->addItems(HandicapEntries(details_.handicapMax));
    }
    cboHandicap->setCurrentIndex(handicapIndex);
    cboRegole->setCurrentIndex(cboRegole->findText(details_.rules));
    cboRegole->setEditText(details_.rules);
}
