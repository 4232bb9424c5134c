#include "ui/frmBrowser.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "imaging/PhotoList.h"
#include "imaging/PhotoPaths.h"
#include "ui/FormControls.h"

namespace {

const QString kImagesEntry = QStringLiteral("Immagini");
const QString kAllFilesEntry = QStringLiteral("Tutti i file");
constexpr int kIndentPerLevel = 2;

// The drive entry a folder lies on, or -1.
int driveOf(const QComboBox* drives, const QString& folder) {
    for (int entry = 0; entry < drives->count(); ++entry) {
        const QString root = QDir::fromNativeSeparators(drives->itemText(entry));
        if (folder.startsWith(root, Qt::CaseInsensitive)) return entry;
    }
    return -1;
}

}  // namespace

frmBrowser::frmBrowser(PhotoList& photos, const QString& programDir, QWidget* parent)
    : QDialog(parent), photos_(photos) {
    setObjectName(QStringLiteral("frmBrowser"));
    setWindowTitle(QStringLiteral("Banmark - Browser"));
    buildControls();
    resize(560, 360);
    showFolder(programDir);
}

void frmBrowser::buildControls() {
    drvBrowser = named(new QComboBox, "drvBrowser");
    for (const QFileInfo& drive : QDir::drives())
        drvBrowser->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()));
    dirBrowser = named(new QListWidget, "dirBrowser");
    filBrowser = named(new QListWidget, "filBrowser");
    cboPattern = list({kImagesEntry, kAllFilesEntry}, "cboPattern");
    cboPattern->setEditable(true);
    cboPattern->setCompleter(nullptr);
    cboPattern->setInsertPolicy(QComboBox::NoInsert);
    cmdOK = named(new QPushButton(QStringLiteral("&OK")), "cmdOK");
    cmdCancel = named(new QPushButton(QStringLiteral("&Cancel")), "cmdCancel");
    cmdOK->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(caption(QStringLiteral("&Drive:"), "lblDrive", drvBrowser), 0, 0);
    grid->addWidget(drvBrowser, 1, 0);
    grid->addWidget(caption(QStringLiteral("Dir&ectory:"), "lblDirectory", dirBrowser), 2, 0);
    grid->addWidget(dirBrowser, 3, 0);
    grid->addWidget(caption(QStringLiteral("&File:"), "lblFile", filBrowser), 0, 1);
    grid->addWidget(filBrowser, 1, 1, 3, 1);
    grid->addWidget(caption(QStringLiteral("Filt&ro:"), "lblPattern", cboPattern), 4, 1);
    grid->addWidget(cboPattern, 5, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 6, 0, 1, 2);

    connect(drvBrowser, &QComboBox::activated, this, [this] { drvBrowser_Change(); });
    connect(dirBrowser, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showFolder(item->data(Qt::UserRole).toString()); });
    connect(filBrowser, &QListWidget::itemActivated, this, [this] { cmdOK_Click(); });
    connect(filBrowser, &QListWidget::itemSelectionChanged, this,
            [this] { cmdOK->setEnabled(!filBrowser->selectedItems().isEmpty()); });
    connect(cboPattern, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { cboPattern_Change(text); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmBrowser::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Each opening starts from the image pattern and the path's own folder and file.
    cboPattern->setCurrentIndex(0);
    cboPattern_Change(kImagesEntry);
    const QString folder = QDir::fromNativeSeparators(DirectoryOf(path_));
    if (!path_.isEmpty() && QDir(folder).exists()) showFolder(folder);
    const QString name = StripPath(path_).toUpper();
    for (int row = 0; row < filBrowser->count(); ++row) {
        if (filBrowser->item(row)->text().toUpper() == name) filBrowser->setCurrentRow(row);
    }
    filBrowser->setFocus();
}

void frmBrowser::showFolder(const QString& folder) {
    folder_ = QDir(folder).absolutePath();
    drvBrowser->setCurrentIndex(driveOf(drvBrowser, folder_));

    // The parents from the drive down, then the folder's own subfolders,
    // each indented one step more than its parent.
    QStringList chain;
    QDir up(folder_);
    do chain.prepend(up.absolutePath());
    while (up.cdUp());
    dirBrowser->clear();
    auto addFolder = [this](const QString& path, const QString& text, int level) {
        auto* item = new QListWidgetItem(QString(level * kIndentPerLevel, u' ') + text, dirBrowser);
        item->setData(Qt::UserRole, path);
        return item;
    };
    for (int level = 0; level < chain.size(); ++level) {
        const QString& path = chain[level];
        addFolder(path, level == 0 ? QDir::toNativeSeparators(path) : QDir(path).dirName(), level);
    }
    dirBrowser->setCurrentRow(chain.size() - 1);
    const QDir current(folder_);
    const QStringList subfolders =
        current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders)
        addFolder(current.filePath(name), name, static_cast<int>(chain.size()));

    photos_.folder = QDir::toNativeSeparators(folder_);
    showFiles();
}

void frmBrowser::showFiles() {
    filBrowser->clear();
    filBrowser->addItems(photos_.Names());
    cmdOK->setEnabled(false);
}

void frmBrowser::cboPattern_Change(const QString& text) {
    if (text == kImagesEntry) {
        photos_.pattern = kImagePattern;
    } else if (text == kAllFilesEntry) {
        photos_.pattern = kAllFilesPattern;
    } else if (IsValidPattern(text)) {
        photos_.pattern = text;
    } else {
        return;  // a pattern that cannot be used leaves the list as it is
    }
    showFiles();
}

void frmBrowser::drvBrowser_Change() {
    showFolder(QDir::fromNativeSeparators(drvBrowser->currentText()));
}

void frmBrowser::cmdOK_Click() {
    const QList<QListWidgetItem*> selected = filBrowser->selectedItems();
    if (selected.isEmpty()) return;
    path_ = QDir::toNativeSeparators(QDir(folder_).filePath(selected.first()->text()));
    accept();
}
