#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/MainWindowTest.h"
#include "ui/ProgressBar.h"

namespace {

class frmMainTest : public MainWindowTest {
protected:
    bool isBlue(QRgb pixel) const { return pixel == qRgb(0, 0, 255); }
    QImage barPicture() const {
        return part<ProgressBar>(*window, "picProgressBar")->grab().toImage();
    }
};

}  // namespace

TEST_F(frmMainTest, LoadingShowsTheStoredOptionsAndTheEmptyPanel) {
    // The settings file itself is checked by the start-up script, the sheet
    // of 8 inches at 300 DPI by OptionsFrameTest, which starts from it.
    EXPECT_EQ(options().chkSGF->text(), "Salva file &SGF");
    EXPECT_EQ(options().chkKifu->text(), "Genera &kifu");
    EXPECT_TRUE(options().chkSGF->isChecked());
    EXPECT_EQ(options().cboLarghezza->currentText(), "inch");
    EXPECT_FALSE(options().cmdElabora->isEnabled());  // no photos yet
}

// The question's words, buttons and default are checked on the real box in
// QtUserPortTest; here, that both doors ask it and what each answer does.
TEST_F(frmMainTest, ExitButtonAndCloseBoxAskNoKeepsEverythingYesStoresTheOptions) {
    dir.write("temp/img01.jpg", "x");
    port.answers = {Answer::No, Answer::No};
    QTest::mouseClick(options().cmdExit, Qt::LeftButton);
    window->close();
    ASSERT_EQ(port.messages.size(), 2u);
    EXPECT_EQ(port.messages[1].text, "Uscire da Banmark?");
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(dir.exists("temp"));

    options().chkSGF->setChecked(false);
    options().cboLarghezza->setCurrentIndex(2);
    options().txtLarghezza->setText("1200");
    port.answers = {Answer::Yes};
    QTest::mouseClick(options().cmdExit, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(dir.exists("temp"));
    const QByteArray settings = dir.read("Banmark.ini");
    EXPECT_TRUE(settings.contains("SaveSGF=0\r\n"));
    EXPECT_TRUE(settings.contains("Unit=2\r\nWidth=1200\r\n"));
}

TEST_F(frmMainTest, ProgressBarIsBlueUpToItsTextAndClampsItsValue) {
    long value = 3;
    window->ShowProgress(value, 0);  // an update before the start draws nothing
    EXPECT_TRUE(part<ProgressBar>(*window, "picProgressBar")->isHidden());
    EXPECT_EQ(value, 3);
    EXPECT_EQ(port.eventTurns, 0);

    value = 0;
    window->ShowProgress(value, 1);
    ASSERT_FALSE(part<ProgressBar>(*window, "picProgressBar")->isHidden());
    EXPECT_GT(port.eventTurns, 0);  // the window gets a turn after drawing
    QImage bar = barPicture();
    const int bottom = bar.height() - 1;  // below the text, the fill shows plainly
    EXPECT_TRUE(isBlue(bar.pixel(0, bottom)));
    EXPECT_FALSE(isBlue(bar.pixel(bar.width() - 1, bottom)));
    EXPECT_FALSE(isBlue(bar.pixel(bar.width() / 2, bottom)));

    value = 7;
    window->ShowProgress(value, 0);
    EXPECT_EQ(value, 1);  // clamped to the maximum and written back
    bar = barPicture();
    EXPECT_TRUE(isBlue(bar.pixel(bar.width() - 1, bottom)));
    EXPECT_TRUE(isBlue(bar.pixel(bar.width() / 2, bottom)));

    value = 0;
    window->ShowProgress(value, -1);
    EXPECT_TRUE(part<ProgressBar>(*window, "picProgressBar")->isHidden());
}

TEST_F(frmMainTest, LayoutKeepsTheFramesSideBySideAndTheWindowLargeEnough) {
    auto* options = window->findChild<QGroupBox*>("fraOpzioni");
    auto* details = window->findChild<QGroupBox*>("fraInformazioni");
    EXPECT_EQ(details->x() - (options->x() + options->width()), 23);
    const int leftMargin = options->x();
    const int rightMargin = window->width() - (details->x() + details->width());
    EXPECT_LE(std::abs(leftMargin - rightMargin), 1);  // the pair is centred

    const QSize least(options->sizeHint().width() + details->sizeHint().width() + 39,
                      std::max(options->sizeHint().height(), details->sizeHint().height()) + 16);
    EXPECT_EQ(window->minimumSize(), least);  // Qt keeps the window at least this large

    long value = 0;
    window->ShowProgress(value, 10);
    const QRect bar = part<ProgressBar>(*window, "picProgressBar")->geometry();
    EXPECT_EQ(window->minimumHeight(), least.height() + bar.height());
    EXPECT_EQ(bar.width(), window->width());
    EXPECT_EQ(bar.bottom(), window->height() - 1);
}

// That the program then ends without a question is checked by the whole
// run in ProcessingRunTest.
TEST_F(frmMainTest, TheEndOfAGameClearsTheWindowAndShowsWhatIsBeingMade) {
    options().hide();
    details().show();
    window->setWindowTitle("3: IMG_0003.jpg - Banmark by Orrimax");
    window->EndProcessingView();
    EXPECT_FALSE(details().isVisible());
    EXPECT_EQ(window->windowTitle(), "Banmark by Orrimax");

    window->ShowWaitingText("      Creazione kifu...      ", 86 * 65536 + 168 * 256 + 218);
    QLabel* waiting = part<QLabel>(*window, "picFoto");
    ASSERT_TRUE(waiting->isVisible());
    EXPECT_EQ(waiting->text(), "      Creazione kifu...      ");
    EXPECT_EQ(waiting->palette().color(QPalette::Window), QColor(218, 168, 86));
    const int line = waiting->fontMetrics().height();
    EXPECT_EQ(waiting->height(), 2 * line + line / 6);  // a line above, a sixth below
    EXPECT_TRUE(window->rect().contains(waiting->geometry()));
    window->ShowWaitingText("", 0);
    EXPECT_FALSE(waiting->isVisible());
}
