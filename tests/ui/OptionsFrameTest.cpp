#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include "imaging/PhotoList.h"
#include "ui/FieldLook.h"
#include "ui/MainWindowTest.h"
#include "ui/frmBrowser.h"

namespace {

class OptionsFrameTest : public MainWindowTest {
protected:
    // Chooses a unit as the user does, with the arrow keys on the list.
    void chooseUnit(int unit) {
        QComboBox* units = options().cboLarghezza;
        units->setFocus();
        while (units->currentIndex() != unit)
            QTest::keyClick(units, units->currentIndex() < unit ? Qt::Key_Down : Qt::Key_Up);
    }
    // Replaces the text of a size field and leaves it.
    void enterAndLeave(QLineEdit* field, const QString& text) {
        type(field, text);  // the whole text is selected on entry, so typing replaces it
        leave(field);
    }
    QString sheetWidth() const { return program.options.sheetWidthTag; }
};

}  // namespace

// The upper limit in pixels is checked on the rule itself in KifuSizeTest.
TEST_F(OptionsFrameTest, PixelWidthIsKeptWithin280To9600) {
    chooseUnit(kUnitPixel);
    EXPECT_TRUE(options().txtDPI->isHidden());
    enterAndLeave(options().txtLarghezza, "100");
    EXPECT_EQ(options().txtLarghezza->text(), "280");
    EXPECT_EQ(sheetWidth(), "280");
    EXPECT_EQ(port.beeps, 1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(options().txtLarghezza->hasFocus());
}

// The lower limit in inches, and in centimetres, is checked on the rule itself
// in KifuSizeTest.
TEST_F(OptionsFrameTest, InchWidthCorrectsTheDpi) {
    enterAndLeave(options().txtLarghezza, "40");
    EXPECT_EQ(options().txtDPI->text(), "240");
    EXPECT_EQ(sheetWidth(), "9600");
    EXPECT_EQ(port.beeps, 1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(options().txtDPI->hasFocus());

    enterAndLeave(options().txtLarghezza, "8");
    enterAndLeave(options().txtDPI, "300");
    EXPECT_EQ(sheetWidth(), "2400");
    EXPECT_EQ(port.beeps, 1);
}

TEST_F(OptionsFrameTest, SwitchingUnitsKeepsTheSheetSize) {
    chooseUnit(kUnitCm);
    EXPECT_EQ(options().txtLarghezza->text(), "20.32");
    chooseUnit(kUnitPixel);
    EXPECT_EQ(options().txtLarghezza->text(), "2400");
    options().txtDPI->setText("0");
    chooseUnit(kUnitInch);
    EXPECT_EQ(options().txtDPI->text(), "300");  // no resolution: the usual one
    EXPECT_EQ(options().txtLarghezza->text(), "8");
    EXPECT_FALSE(options().txtDPI->isHidden());
    EXPECT_EQ(sheetWidth(), "2400");
}

TEST_F(OptionsFrameTest, SizeFieldsFilterKeysAndHideWithTheKifu) {
    options().txtLarghezza->clear();
    type(options().txtLarghezza, "8,5.x");
    EXPECT_EQ(options().txtLarghezza->text(), "8.5");
    options().txtDPI->clear();
    type(options().txtDPI, "3a0.0");
    EXPECT_EQ(options().txtDPI->text(), "300");

    options().chkKifu->click();
    for (QWidget* field : std::initializer_list<QWidget*>{
             options().txtLarghezza, options().cboLarghezza, options().lblDPI, options().txtDPI})
        EXPECT_TRUE(field->isHidden()) << field->objectName().toStdString();
    EXPECT_FALSE(options().imgIcon->isHidden());

    options().chkKifu->click();
    EXPECT_FALSE(options().txtDPI->isHidden());
    EXPECT_TRUE(options().imgIcon->isHidden());
    EXPECT_TRUE(options().txtLarghezza->hasFocus());
}

TEST_F(OptionsFrameTest, ProcessingNeedsTwoPhotosOfOneFolder) {
    QLineEdit* first = options().txtPrimoFile;
    QLineEdit* last = options().txtUltimoFile;
    QPushButton* process = options().cmdElabora;
    SetFieldBackground(first, Qt::red);  // as processing marks a photo it cannot find
    first->setText("/photos/game/img01.jpg");
    EXPECT_NE(first->palette().color(QPalette::Base), QColor(Qt::red));
    last->setText("/photos/other/img40.jpg");
    EXPECT_FALSE(process->isEnabled());
    last->setText("/Photos/GAME/img40.jpg");  // letter case does not tell folders apart
    EXPECT_TRUE(process->isEnabled());
    first->setText("/a/b");
    last->setText("/a/c");
    EXPECT_FALSE(process->isEnabled());     // four characters are not a photograph
    first->setText("/videos/partita.MP4");  // a video is a whole game by itself
    last->clear();
    EXPECT_TRUE(process->isEnabled());
}

TEST_F(OptionsFrameTest, TheIntervalBoxIsAnOptionKeptWithTheOthers) {
    EXPECT_EQ(options().chkIntervalli->text(), "Foto a &intervalli (time-lapse o video)");
    QTest::mouseClick(options().chkIntervalli, Qt::LeftButton);
    options().takeOutputOptions();
    EXPECT_TRUE(program.options.intervalPhotos);
}

TEST_F(OptionsFrameTest, DroppingFilesTakesTheFirst) {
    QMimeData files;
    files.setUrls(
        {QUrl::fromLocalFile("/photos/img01.jpg"), QUrl::fromLocalFile("/photos/img02.jpg")});
    auto drop = [&](QWidget* target) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent event(QPointF(5, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
        return enter.isAccepted() && event.isAccepted();
    };
    EXPECT_TRUE(drop(options().txtPrimoFile));
    EXPECT_EQ(options().txtPrimoFile->text(), QDir::toNativeSeparators("/photos/img01.jpg"));
    EXPECT_TRUE(drop(options().lblUltimoFile));  // the caption takes drops for its field
    EXPECT_EQ(options().txtUltimoFile->text(), QDir::toNativeSeparators("/photos/img01.jpg"));
}

class BrowserTest : public OptionsFrameTest {
protected:
    BrowserTest() {
        for (const char* name : {"img02.JPG", "img01.jpg", "notes.txt"})
            dir.write(photos + name, "x");
    }
    static QStringList files(const frmBrowser& browser) {
        QStringList names;
        for (int row = 0; row < browser.filBrowser->count(); ++row)
            names << browser.filBrowser->item(row)->text();
        return names;
    }

    const QString photos = "photos/";
    QString photoPath(const char* name) const {
        return QDir::toNativeSeparators(dir.path() + photos + name);
    }
};

TEST_F(BrowserTest, CancelKeepsTheFieldAndOkTakesTheChosenPhoto) {
    QLineEdit* first = options().txtPrimoFile;
    first->setText(photoPath("IMG02.jpg"));
    bool opened = false;
    whileShown<frmBrowser>([&](frmBrowser* shown) {
        opened = true;
        EXPECT_EQ(shown->windowTitle(), "Banmark - Browser");
        EXPECT_EQ(files(*shown), QStringList({"img01.jpg", "img02.JPG"}));
        EXPECT_EQ(shown->filBrowser->currentItem()->text(), "img02.JPG");
        EXPECT_EQ(shown->focusWidget(), shown->filBrowser);
        QTest::mouseClick(shown->cmdCancel, Qt::LeftButton);
    });
    QTest::mouseDClick(first, Qt::LeftButton);
    ASSERT_TRUE(opened);
    EXPECT_EQ(first->text(), photoPath("IMG02.jpg"));
    EXPECT_EQ(program.photos.pattern, kImagePattern);  // the series is read with it from now on

    QLineEdit* last = options().txtUltimoFile;
    whileShown<frmBrowser>([](frmBrowser* shown) {
        shown->cboPattern->setEditText("*.txt");
        EXPECT_EQ(files(*shown), QStringList({"notes.txt"}));
        shown->cboPattern->setEditText("Tutti i file");
        shown->filBrowser->setCurrentRow(1);
        QTest::mouseClick(shown->cmdOK, Qt::LeftButton);
    });
    last->setFocus();
    QTest::keyClick(last, Qt::Key_Return);
    EXPECT_EQ(last->text(), photoPath("img02.JPG"));
}

TEST_F(OptionsFrameTest, ProcessingViewKeepsThePhotosProportions) {
    window->resize(1200, 700);
    showPhoto(Qt::darkYellow, {400, 300});

    const QRect shown = photo().geometry();
    EXPECT_NEAR(shown.width() * 3.0 / shown.height(), 4.0, 0.02);
    const QRect frame = details().geometry();
    EXPECT_LT(shown.right(), frame.left());
    EXPECT_EQ(frame.right(), window->width() - 9);  // the right edge margin
    EXPECT_GT(part<QGroupBox>(*window, "fraGoban")->geometry().top(), frame.bottom());
}
