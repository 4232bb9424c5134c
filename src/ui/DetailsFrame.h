#pragma once

#include <QGroupBox>
#include <utility>
#include <vector>

struct GameDetails;
class UserPort;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The game details frame of the options panel ("Dettagli partita"). Every
// field filters what the user types, is normalised when the user leaves it,
// and keeps its value in the program's game details as it changes.
class DetailsFrame : public QGroupBox {
    Q_OBJECT
public:
    DetailsFrame(GameDetails& details, UserPort& port, QWidget* parent);

    // Shows the details as the program holds them, after it changed them.
    void showDetails();

    QLineEdit* txtNero = nullptr;
    QComboBox* cboRankNero = nullptr;
    QLineEdit* txtTeamNero = nullptr;
    QLineEdit* txtBianco = nullptr;
    QComboBox* cboRankBianco = nullptr;
    QLineEdit* txtTeamBianco = nullptr;
    QLineEdit* txtKomi = nullptr;
    QLabel* lblHandicap = nullptr;
    QComboBox* cboHandicap = nullptr;
    QLabel* lblRegole = nullptr;
    QComboBox* cboRegole = nullptr;
    QLineEdit* txtTempo = nullptr;
    QLineEdit* txtByoyomi = nullptr;
    QLineEdit* txtLuogo = nullptr;
    QLineEdit* txtData = nullptr;
    QLineEdit* txtEvento = nullptr;
    QLineEdit* txtTurno = nullptr;
    QLineEdit* txtTitolo = nullptr;
    QLineEdit* txtRisultato = nullptr;
    // Shown while the user chooses Black's side.
    QLabel* lblPosizioneNero = nullptr;
    QPushButton* cmdPosizioneNero = nullptr;

private:
    void buildFields();
    void wireTextFields();
    void wireLists();
    // A field whose text is kept in the details as it changes.
    void keepText(QLineEdit* field, QString GameDetails::*value);
    // The same for a name-like field, which drops what a file name cannot hold.
    void keepName(QLineEdit* field, QString GameDetails::*value);
    // The field's text is normalised when the user leaves it.
    void setFocusLost(QLineEdit* field, QString (*normalise)(const QString&));
    // Beeps, empties the field and puts the focus back into it.
    void refuse(QLineEdit* field);
    void txtRisultato_LostFocus();
    void cboRegole_Change();

    GameDetails& details_;
    UserPort& port_;
    // The rules text was just completed and selected: typing goes on after it.
    bool rulesSelectedByCompletion_ = false;
    // Every text field with the detail it holds.
    std::vector<std::pair<QLineEdit*, QString GameDetails::*>> textFields_;
};
