#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/FinishGame.h"
#include "app/Program.h"
#include "support/GnuGoReplay.h"
#include "support/ScriptedUserPort.h"
#include "support/TempProgramDir.h"

// A 19-line game of two moves, its photographs in a folder of their own.
class FinishGameTest : public testing::Test {
protected:
    void SetUp() override {
        program.state.ProgramDir = dir.path();
        program.state.BoardSize = 19;
        program.state.GridMax = 18;
        program.state.TwipsPerPixelX = program.state.TwipsPerPixelY = 15;
        program.state.MoveCount = 2;
        program.state.Moves(1, 1) = "N: D4";
        program.state.Moves(2, 1) = "B: Q16";
        program.BlackSide = "S";
        QDir(dir.path()).mkdir("foto");
        program.options.saveSgf = false;
        program.options.saveKifu = false;
        program.options.sheetWidthTag = "2400";
    }
    QString finish(int photoCount = 3) {
        finished = FinishGame(program, dir.path() + "foto/IMG_0001.jpg", photoCount, port);
        return finished.summary;
    }
    QString output(const char* extension) const { return dir.path() + "foto/Banmark" + extension; }

    TempProgramDir dir;
    Program program;
    ScriptedUserPort port;
    FinishedGame finished;
};

TEST_F(FinishGameTest, WithoutOutputsOnlyTheSummaryIsShown) {
    program.state.MoveCount = 0;
    EXPECT_EQ(finish(1),
              "Banmark ha terminato l'elaborazione della partita.\r\n"
              "È stata esaminata 1 fotografia per un totale di 0 mosse.");
    EXPECT_EQ(port.sideChoices, 0);
    EXPECT_FALSE(port.processingViewEnded);
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].title, "Banmark - Elaborazione");
    EXPECT_EQ(port.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(port.programEnded);
    EXPECT_TRUE(dir.exists("Banmark.ini"));  // the settings are written on the way out
}

TEST_F(FinishGameTest, TheSgfFileIsWrittenAndNamed) {
    program.options.saveSgf = true;
    program.state.MoveCount = 1;
    const QString summary = finish();
    EXPECT_EQ(summary, "Banmark ha terminato l'elaborazione della partita.\r\n"
                       "Sono state esaminate 3 fotografie per un totale di 1 mossa.\r\n\r\n"
                       "Il file SGF è stato creato all'indirizzo:\r\n\"" +
                           output(".sgf") + "\"");
    EXPECT_TRUE(finished.outputsWritten);
    EXPECT_EQ(port.sideChoices, 1);
    EXPECT_TRUE(port.processingViewEnded);
    const GnuGoReplay replay = ReplayWithGnuGo(output(".sgf"), 19);
    EXPECT_EQ(replay.moves, QStringList({"black Q4"}));
    EXPECT_FALSE(QFile::exists(output(".png")));
}

TEST_F(FinishGameTest, AnSgfFileThatCannotBeWrittenIsNotClaimed) {
    program.options.saveSgf = true;
    ASSERT_TRUE(QDir(dir.path()).rmdir("foto"));
    const QString summary = finish();
    EXPECT_TRUE(summary.endsWith("\r\n\r\nNon è stato possibile creare il file SGF."));
    EXPECT_FALSE(finished.outputsWritten);
    EXPECT_TRUE(port.messages[0].text.startsWith("Impossibile salvare il file:"));
    EXPECT_TRUE(port.programEnded);
}

TEST_F(FinishGameTest, TheKifuIsCompressedByTheConverter) {
    program.options.saveKifu = true;
    program.options.sheetWidthTag = "3200";
    const QString summary = finish();
    EXPECT_TRUE(summary.endsWith("Il Kifu è stato creato all'indirizzo:\r\n\"" + output(".png") +
                                 "\""));
    EXPECT_EQ(QImage(output(".png")).width(), 3200);
    EXPECT_FALSE(QFile::exists(output(".bmp")));
    ASSERT_EQ(port.waitingTexts.size(), 2u);
    EXPECT_TRUE(port.waitingTexts[0].endsWith("      parecchi secondi.      "));
    EXPECT_EQ(port.waitingTexts[1], "");
}

TEST_F(FinishGameTest, WithoutConverterTheKifuStaysABitmap) {
    program.options.saveKifu = true;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "");
    const QString summary = finish();
    qputenv("PATH", path);
    EXPECT_TRUE(summary.endsWith("Il Kifu è stato creato all'indirizzo:\r\n\"" + output(".bmp") +
                                 "\""));
    EXPECT_EQ(port.waitingTexts.front(), "      Creazione kifu...      ");
    EXPECT_TRUE(port.messages[0].text.startsWith(
        "Impossibile effettuare la compressione in formato PNG del file:"));
}
