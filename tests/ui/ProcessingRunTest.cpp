#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

#include "render/PhotoSeriesRender.h"
#include "support/QStringPrinter.h"
#include "ui/MainWindowTest.h"

namespace {

// Plays the user at the real window while a run goes on: confirms the grid,
// turns Black's side to the bottom with the cursor keys and confirms it, and
// reads and closes every message box. Which way each key turns the side is
// checked in GridCheckTest.
class User : public QObject {
public:
    explicit User(frmMain& window) : window_(window) {
        connect(&timer_, &QTimer::timeout, this, [this] { act(); });
        timer_.start(20);
    }

    QString gridCaption;
    QStringList messages;

private:
    void act() {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            messages << box->text();
            box->defaultButton()->click();
        } else if (part<QPushButton>(window_, "cmdRicalibrato")->isVisible()) {
            gridCaption = part<QPushButton>(window_, "cmdRicalibrato")->text();
            part<QPushButton>(window_, "cmdRicalibrato")->click();
        } else if (part<DetailsFrame>(window_, "fraInformazioni")->cmdPosizioneNero->isVisible()) {
            QApplication::setActiveWindow(&window_);
            QTest::keyClick(&window_, Qt::Key_Left);
            QTest::keyClick(&window_, Qt::Key_Down);
            part<DetailsFrame>(window_, "fraInformazioni")->cmdPosizioneNero->click();
        }
    }

    frmMain& window_;
    QTimer timer_;
};

// The real window, with its own message boxes, on a series of four moves.
class ProcessingRun : public MainWindowTest {
protected:
    ProcessingRun() : MainWindowTest(true) {}
    void SetUp() override {
        game.boardSize = 9;
        game.moves = {{kBlack, false, 4, 4},
                      {kWhite, false, 6, 2},
                      {kBlack, false, 2, 6},
                      {kWhite, false, 2, 2}};
        QString error;
        series =
            RenderPhotoSeries(game, photos.path() + "partita", LookFor(9, {1200, 900}), &error);
        ASSERT_EQ(series.size(), 5) << error.toStdString();

        program.state.TwipsPerPixelX = program.state.TwipsPerPixelY = 15;
        QApplication::setQuitOnLastWindowClosed(false);
        details().txtNero->setText("Rossi");
        details().txtBianco->setText("Bianchi");
        details().cboRegole->setEditText("Japanese");
    }
    void TearDown() override { QApplication::setQuitOnLastWindowClosed(true); }

    void choosePhotos(const QString& first, const QString& last) {
        options().txtPrimoFile->setText(first);
        options().txtUltimoFile->setText(last);
        ASSERT_TRUE(options().cmdElabora->isEnabled());
    }

    SgfGame game;
    TempProgramDir photos;
    QStringList series;
};

}  // namespace

TEST_F(ProcessingRun, TheWindowTakesASeriesFromTheOptionsToTheSummary) {
    choosePhotos(series.first(), series.last());
    User user(*window);
    QTest::mouseClick(options().cmdElabora, Qt::LeftButton);

    EXPECT_TRUE(user.gridCaption.endsWith("(attualmente: 9x9)."));
    EXPECT_EQ(program.BlackSide, "S");
    const QString base = photos.path() + "partita/Bianchi - Rossi";
    ASSERT_EQ(user.messages.size(), 1) << user.messages.join('|').toStdString();
    EXPECT_EQ(user.messages[0],
              "Banmark ha terminato l'elaborazione della partita.\n"
              "Sono state esaminate 5 fotografie per un totale di 4 mosse.\n\n"
              "Il file SGF è stato creato all'indirizzo:\n\"" +
                  base + ".sgf\"\n\nIl Kifu è stato creato all'indirizzo:\n\"" + base + ".png\"");
    QFile sgf(base + ".sgf");
    ASSERT_TRUE(sgf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(sgf.readAll().contains(";B[ee];W[gc];B[cg];W[cc])"));
    EXPECT_FALSE(QImage(base + ".png").isNull());
    EXPECT_FALSE(window->isVisible());  // the program ends after the summary
}

// A video of the game's first three moves, each position filmed for a
// second or more and the last move half a second: the video alone is the
// series, and nothing is asked but the grid and Black's side.
TEST_F(ProcessingRun, AVideoAloneIsAWholeGameAskingNothing) {
    game.moves.pop_back();
    SeriesLook look = LookFor(9, {1200, 900});
    look.prefix = "V";
    look.shown = {0, 0, 1, 1, 1, 2, 2, 3};
    ASSERT_EQ(RenderPhotoSeries(game, photos.path() + "video", look).size(), 8);
    const QString video = photos.path() + "partita.webm";
    ASSERT_EQ(QProcess::execute("ffmpeg", {"-v", "error", "-framerate", "2", "-i",
                                           photos.path() + "video/V%04d.jpg", video}),
              0);
    options().txtPrimoFile->setText(video);
    User user(*window);
    QTest::mouseClick(options().cmdElabora, Qt::LeftButton);

    ASSERT_EQ(user.messages.size(), 1) << user.messages.join('|').toStdString();
    QFile sgf(photos.path() + "Bianchi - Rossi.sgf");
    ASSERT_TRUE(sgf.open(QIODevice::ReadOnly));
    const QByteArray text = sgf.readAll();
    EXPECT_TRUE(text.contains(";B[ee]C[00:01];W[gc]C[00:03];B[cg]C[00:03])")) << text.toStdString();
}

TEST_F(ProcessingRun, ALastPhotoNotAfterTheFirstTurnsRed) {
    for (const QString& last : {series[2], series[1]}) {
        choosePhotos(series[2], last);
        QTest::mouseClick(options().cmdElabora, Qt::LeftButton);
        QLineEdit* field = options().txtUltimoFile;
        EXPECT_EQ(field->palette().color(QPalette::Base), QColor(255, 0, 0));
        EXPECT_TRUE(field->hasFocus());
        EXPECT_TRUE(options().isVisible());  // nothing started
    }
}
