// The path fields of the first and the last photograph, and how they were taken.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Program.h"
#include "imaging/PhotoPaths.h"
#include "ui/FieldEvents.h"
#include "ui/FieldLook.h"
#include "ui/FormControls.h"
#include "ui/OptionsFrame.h"
#include "ui/frmBrowser.h"

namespace {

// Below the field, centred on the frame: 3 pixels under its bottom edge.
constexpr int kBrowserGap = 3;

}  // namespace

void OptionsFrame::buildPhotoFields(QVBoxLayout* column) {
    txtPrimoFile = named(new QLineEdit, "txtPrimoFile");
    lblPrimoFile =
        caption(QStringLiteral("&Primo file (goban vuoto; doppio click per cercare o drag&&drop):"),
                "lblPrimoFile", txtPrimoFile);
    txtUltimoFile = named(new QLineEdit, "txtUltimoFile");
    lblUltimoFile = caption(
        QStringLiteral("&Ultimo file (ultima mossa; doppio click per cercare o drag&&drop):"),
        "lblUltimoFile", txtUltimoFile);
    chkIntervalli = named(new QCheckBox(QStringLiteral("Foto a &intervalli (time-lapse o video)")),
                          "chkIntervalli");

    column->addWidget(lblPrimoFile);
    column->addWidget(txtPrimoFile);
    column->addSpacing(6);
    column->addWidget(lblUltimoFile);
    column->addWidget(txtUltimoFile);
    column->addSpacing(6);
    column->addWidget(chkIntervalli);
}

void OptionsFrame::wirePhotoFields() {
    const std::pair<QLabel*, QLineEdit*> fields[] = {{lblPrimoFile, txtPrimoFile},
                                                     {lblUltimoFile, txtUltimoFile}};
    connect(txtPrimoFile, &QLineEdit::textChanged, this, [this] { txtPrimoFile_Change(); });
    // The last photograph's field clears its own mark, then the first one's.
    connect(txtUltimoFile, &QLineEdit::textChanged, this, [this] {
        ResetFieldBackground(txtUltimoFile);
        txtPrimoFile_Change();
    });
    for (const auto& pair : fields) {
        QLabel* label = pair.first;
        QLineEdit* field = pair.second;
        FieldEvents::of(field).activated = [this, field] { openBrowser(field); };
        // A file dropped on the field or its caption names the photograph.
        label->setAcceptDrops(true);
        for (QWidget* target : std::initializer_list<QWidget*>{label, field})
            FieldEvents::of(target).fileDropped = [field](const QString& path) {
                field->setText(path);
            };
    }
    txtPrimoFile_Change();
}

void OptionsFrame::txtPrimoFile_Change() {
    ResetFieldBackground(txtPrimoFile);
    cmdElabora->setEnabled(IsPhotoPairProcessable(txtPrimoFile->text(), txtUltimoFile->text()));
}

void OptionsFrame::openBrowser(QLineEdit* field) {
    if (browser_ == nullptr)
        browser_ = new frmBrowser(program_.photos, program_.state.ProgramDir, this);
    const QPoint frameCentre = mapToGlobal(rect().center());
    const QPoint fieldBottom = field->mapToGlobal(QPoint(0, field->height()));
    browser_->move(frameCentre.x() - browser_->width() / 2, fieldBottom.y() + kBrowserGap);
    browser_->setPath(field->text());
    browser_->exec();
    field->setText(browser_->path());
}
