#include "ui/OptionsFrame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/KifuSize.h"
#include "app/Program.h"
#include "ui/FieldEvents.h"
#include "ui/FormControls.h"
#include "ui/ProgramIcon.h"

namespace {

constexpr int kSizeFieldWidth = 70;

}  // namespace

OptionsFrame::OptionsFrame(Program& program, UserPort& port, QWidget* parent)
    : QGroupBox(QStringLiteral("Opzioni"), parent), program_(program), port_(port) {
    setObjectName(QStringLiteral("fraOpzioni"));
    auto* column = new QVBoxLayout(this);
    buildPhotoFields(column);
    column->addSpacing(16);
    buildOutputChoices(column);
    column->addStretch();
    buildButtons(column);
    wirePhotoFields();
    wireKifuSize();
}

void OptionsFrame::buildOutputChoices(QVBoxLayout* column) {
    chkSGF = named(new QCheckBox(QStringLiteral("Salva file &SGF")), "chkSGF");
    chkKifu = named(new QCheckBox(QStringLiteral("Genera &kifu")), "chkKifu");

    txtLarghezza = named(new QLineEdit, "txtLarghezza");
    lblLarghezza = caption(QStringLiteral("&Larghezza:"), "lblLarghezza", txtLarghezza);
    cboLarghezza = list({QStringLiteral("cm"), QStringLiteral("inch"), QStringLiteral("pixel")},
                        "cboLarghezza");
    txtDPI = named(new QLineEdit, "txtDPI");
    lblDPI = caption(QStringLiteral("DP&I:"), "lblDPI", txtDPI);
    for (QLineEdit* field : {txtLarghezza, txtDPI}) field->setMaximumWidth(kSizeFieldWidth);
    imgIcon = ProgramPictureLabel("imgIcon0");

    auto* size = new QGridLayout;
    size->addWidget(lblLarghezza, 0, 0);
    size->addWidget(txtLarghezza, 0, 1);
    size->addWidget(cboLarghezza, 0, 2);
    size->addWidget(lblDPI, 1, 0);
    size->addWidget(txtDPI, 1, 1);
    size->addWidget(imgIcon, 0, 0, 2, 3);
    size->setColumnStretch(3, 1);

    column->addWidget(chkSGF);
    column->addWidget(chkKifu);
    column->addLayout(size);
}

void OptionsFrame::buildButtons(QVBoxLayout* column) {
    cmdElabora = named(new QPushButton(QStringLiteral("&Elaborare")), "cmdElabora");
    cmdExit = named(new QPushButton(QStringLiteral("&Chiudere")), "cmdExit");
    cmdElabora->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdElabora);
    buttons->addWidget(cmdExit);
    column->addLayout(buttons);
}

void OptionsFrame::wireKifuSize() {
    connect(chkKifu, &QCheckBox::clicked, this, [this] { chkKifu_Click(); });
    connect(cboLarghezza, &QComboBox::activated, this, [this] { cboLarghezza_Click(); });

    FieldEvents& width = FieldEvents::of(txtLarghezza);
    width.keyFilter = [this](QChar typed) { return WidthKey(txtLarghezza->text(), typed); };
    width.focusLost = [this] {
        txtLarghezza->setText(NormaliseWidthText(txtLarghezza->text()));
        CheckDimensioneKifu();
    };
    FieldEvents& dpi = FieldEvents::of(txtDPI);
    dpi.keyFilter = DpiKey;
    dpi.focusLost = [this] {
        txtDPI->setText(NormaliseDpiText(txtDPI->text()));
        CheckDimensioneKifu();
    };
}

void OptionsFrame::showOutputOptions() {
    const OutputOptions& options = program_.options;
    chkIntervalli->setChecked(options.intervalPhotos);
    chkSGF->setChecked(options.saveSgf);
    chkKifu->setChecked(options.saveKifu);
    cboLarghezza->setCurrentIndex(options.widthUnit);
    txtLarghezza->setText(options.widthText);
    txtDPI->setText(options.dpiText);
    showKifuSizeFields();
}

void OptionsFrame::takeOutputOptions() {
    OutputOptions& options = program_.options;
    options.intervalPhotos = chkIntervalli->isChecked();
    options.saveSgf = chkSGF->isChecked();
    options.saveKifu = chkKifu->isChecked();
    options.widthUnit = cboLarghezza->currentIndex();
    options.widthText = txtLarghezza->text();
    options.dpiText = txtDPI->text();
}

void OptionsFrame::CheckDimensioneKifu() {
    takeOutputOptions();
    const KifuSizeField corrected = ::CheckDimensioneKifu(program_.options, port_);
    showOutputOptions();
    if (corrected == KifuSizeField::Width) FocusLater(txtLarghezza);
    if (corrected == KifuSizeField::Dpi) FocusLater(txtDPI);
}

void OptionsFrame::chkKifu_Click() {
    showKifuSizeFields();
    if (!chkKifu->isChecked()) return;
    cboLarghezza_Click();
    txtLarghezza->setFocus();
}

void OptionsFrame::cboLarghezza_Click() {
    // The sheet keeps its size in pixels; only the way it is given changes.
    takeOutputOptions();
    ShowWidthInUnit(program_.options);
    showOutputOptions();
}

void OptionsFrame::showKifuSizeFields() {
    const bool kifu = chkKifu->isChecked();
    const bool dpi = kifu && cboLarghezza->currentIndex() != kUnitPixel;
    for (QWidget* field : std::initializer_list<QWidget*>{lblLarghezza, txtLarghezza, cboLarghezza})
        field->setVisible(kifu);
    lblDPI->setVisible(dpi);
    txtDPI->setVisible(dpi);
    imgIcon->setVisible(!kifu);
}
