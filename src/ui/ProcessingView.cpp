// The main window's part in a processing run: the run started from the
// options panel, the panel giving way to the processing view and coming
// back when a run is given up.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/ProcessingDriver.h"
#include "app/Program.h"
#include "game/UserPort.h"
#include "ui/DetailsFrame.h"
#include "ui/FieldLook.h"
#include "ui/OptionsFrame.h"
#include "ui/PhotoView.h"
#include "ui/frmMain.h"
#include "ui/frmWarning.h"

void frmMain::cmdElabora_Click() {
    fraOpzioni->takeOutputOptions();
    const ProcessingRequest request{fraOpzioni->txtPrimoFile->text(),
                                    fraOpzioni->txtUltimoFile->text(), std::nullopt};
    ProcessPhotoSeries(program_, request, port(), windows());
}

void frmMain::MarkInvalidInput(InputField field) {
    QWidget* widget = fraInformazioni->cboRegole;
    if (field == InputField::FirstPhoto) widget = fraOpzioni->txtPrimoFile;
    if (field == InputField::LastPhoto) widget = fraOpzioni->txtUltimoFile;
    SetFieldBackground(widget, QColor(255, 0, 0));
    widget->setFocus();
}

void frmMain::ShowProcessingView() {
    fraOpzioni->hide();
    HideLiveBoard();
    showMaximized();
    ArrangeControls();
}

void frmMain::ShowOptionsPanel() {
    if (warning_ != nullptr) warning_->hide();
    fraOpzioni->show();
    EnableGameStartFields(true);
    imgShow->hide();
    fraGoban->hide();
    imgIcon[1]->hide();
    showNormal();
    ArrangeControls();
}

void frmMain::ShowGameDetails() { fraInformazioni->showDetails(); }

void frmMain::EnableGameStartFields(bool enabled) {
    for (QWidget* field : {static_cast<QWidget*>(fraInformazioni->lblHandicap),
                           static_cast<QWidget*>(fraInformazioni->cboHandicap),
                           static_cast<QWidget*>(fraInformazioni->lblRegole),
                           static_cast<QWidget*>(fraInformazioni->cboRegole)})
        field->setEnabled(enabled);
}
