#pragma once

#include <QDialog>

class PhotoList;
class QComboBox;
class QListWidget;
class QPushButton;

// The small file browser of the path fields ("Banmark - Browser"): a drive,
// a folder and a file of the current pattern. The caller sets the path
// before showing it and reads it back afterwards; it changes only on OK.
// The file list is the program's photo list, so the pattern chosen here is
// the one the photo series is read with.
class frmBrowser : public QDialog {
    Q_OBJECT
public:
    frmBrowser(PhotoList& photos, const QString& programDir, QWidget* parent);

    void setPath(const QString& path) { path_ = path; }
    QString path() const { return path_; }

    QComboBox* drvBrowser = nullptr;
    QListWidget* dirBrowser = nullptr;
    QListWidget* filBrowser = nullptr;
    QComboBox* cboPattern = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    // Shows a folder: its parents and subfolders in the folder list, its
    // files of the current pattern in the file list.
    void showFolder(const QString& folder);
    void showFiles();
    void cboPattern_Change(const QString& text);
    void drvBrowser_Change();
    void cmdOK_Click();

    PhotoList& photos_;
    QString folder_;  // with "/" separators
    QString path_;
};
