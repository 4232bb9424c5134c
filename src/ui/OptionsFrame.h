#pragma once

#include <QGroupBox>

class Program;
class UserPort;
class frmBrowser;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// The options frame of the options panel ("Opzioni"): the first and the
// last photograph of the series, the output choices with the kifu size, and
// the buttons that start the processing and close the program.
class OptionsFrame : public QGroupBox {
    Q_OBJECT
public:
    OptionsFrame(Program& program, UserPort& port, QWidget* parent);

    // The output options between the program and the fields.
    void showOutputOptions();
    void takeOutputOptions();
    // Keeps the kifu sheet within 280 ... 9600 pixels: a field out of bounds
    // is corrected with a beep and gets the focus.
    void CheckDimensioneKifu();

    QLabel* lblPrimoFile = nullptr;
    QLineEdit* txtPrimoFile = nullptr;
    QLabel* lblUltimoFile = nullptr;
    QLineEdit* txtUltimoFile = nullptr;
    QCheckBox* chkIntervalli = nullptr;
    QCheckBox* chkSGF = nullptr;
    QCheckBox* chkKifu = nullptr;
    QLabel* lblLarghezza = nullptr;
    QLineEdit* txtLarghezza = nullptr;
    QComboBox* cboLarghezza = nullptr;
    QLabel* lblDPI = nullptr;
    QLineEdit* txtDPI = nullptr;
    // The program's picture, in place of the size fields while the kifu is off.
    QLabel* imgIcon = nullptr;
    QPushButton* cmdElabora = nullptr;
    QPushButton* cmdExit = nullptr;

private:
    void buildPhotoFields(QVBoxLayout* column);
    void buildOutputChoices(QVBoxLayout* column);
    void buildButtons(QVBoxLayout* column);
    void wirePhotoFields();
    void wireKifuSize();

    // Clears the red mark of the first photograph's field and decides
    // whether processing may start.
    void txtPrimoFile_Change();
    // Lets the user pick the photograph of a field in the browser.
    void openBrowser(QLineEdit* field);
    void chkKifu_Click();
    void cboLarghezza_Click();
    // Shows the size fields the kifu choice and the unit call for.
    void showKifuSizeFields();

    Program& program_;
    UserPort& port_;
    frmBrowser* browser_ = nullptr;
};
