// What banmark-batch makes of the series, files and folders users really
// give it: each case runs the real batch and checks what the user is told
// and what is left on disk.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include "batch/BatchTest.h"
#include "render/SgfGame.h"
#include "render/TestGames.h"

namespace {

// The first moves of the nine-line game: enough to follow, quick to photograph.
SgfGame openingOf(int moves) {
    SgfGame game = NineLineGame();
    game.moves.resize(moves);
    return game;
}

// Passes after the moves, players taking turns, until the game has count moves.
void addPasses(SgfGame& game, int count) {
    while (static_cast<int>(game.moves.size()) < count) {
        const int colour = game.moves.size() % 2 == 0 ? kBlack : kWhite;
        game.moves.push_back({colour, true, 0, 0});
    }
}

class BadInputTest : public BatchTest {
protected:
    void TearDown() override {
        for (const QString& folder : locked_) chmod(QFile::encodeName(folder), 0755);
    }

    QString photoFolder() const { return photos.path() + "partita/"; }

    // The moves of the SGF file the summary names first, as GNU Go reads them.
    static QStringList movesWritten(const BatchRun& run) {
        if (run.files().isEmpty()) return {"(no file named)"};
        return ReplayWithGnuGo(run.files().first()).moves;
    }

    // The batch then runs as a user who may not write into folder. Root may
    // write anywhere, so as root it runs as nobody through setpriv, and the
    // test's own folders are opened to that user.
    void forbidWriting(const QString& folder) {
        if (geteuid() == 0) {
            runAs = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"};
            for (const QString& open : {program.path(), photos.path(), photoFolder(), home.path()})
                chmod(QFile::encodeName(open), 0777);
            chmod(QFile::encodeName(batchProgram), 0755);
        }
        environment.insert("HOME", home.path());
        environment.insert("XDG_DATA_HOME", home.path() + "share");
        chmod(QFile::encodeName(folder), 0555);
        locked_ << folder;
    }

    TempProgramDir home;

private:
    QStringList locked_;
};

}  // namespace

// Damaged files and a note named as photographs of the series cannot be
// read; a photograph of the game's end named otherwise is no photograph of
// the series, though read it would show three moves at once.
TEST_F(BadInputTest, DamagedFilesAndPhotosNamedOtherwiseAreSkippedAndTheGameGoesOn) {
    const SgfGame game = openingOf(6);
    const QStringList series = photograph(game);
    QByteArray corrupt("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10);
    for (int k = 0; k < 4000; ++k) corrupt += static_cast<char>(k * 7919 % 251);
    photos.write("partita/IMG_0003a.jpg", corrupt);
    photos.write("partita/IMG_0004a.jpg", QByteArray());
    photos.write("partita/IMG_0005a.jpg", "Appunti: partita giocata al circolo.\n");
    ASSERT_TRUE(QFile::copy(series.last(), photoFolder() + "IMG_0004 da Marco.jpg"));

    const BatchRun run = batch(kSgfOnly, series);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QString("esaminate %1 fotografie").arg(series.size())));
    EXPECT_EQ(movesWritten(run), gtpMoves(game.moves, 9));
}

// A photograph at another size, as if the camera had zoomed out after move
// 3: the board is found on it afresh and shows no change, and the next
// photographs are followed back onto the full-size board.
TEST_F(BadInputTest, APhotoOfAnotherSizeIsFollowedLikeAKnockedCamera) {
    const SgfGame game = openingOf(6);
    const QStringList series = photograph(game);
    ASSERT_TRUE(QImage(series[3]).scaled(600, 450).save(photoFolder() + "IMG_0004a.jpg"));

    const BatchRun run = batch(kSgfOnly + QStringList{"--on-unchanged", "ignore"}, series);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(movesWritten(run), gtpMoves(game.moves, 9));
}

TEST_F(BadInputTest, VeryLargePhotosAreShrunkAndTinyOnesRefused) {
    // As a 48-megapixel phone takes them: the rendered photos enlarged. On
    // 19 lines the prepared 1600-pixel copies are read as usual.
    SgfGame game = NineteenLineGame();
    game.moves.resize(2);
    const QStringList large = photograph(game, "grandi");
    for (const QString& path : large) {
        ASSERT_TRUE(QImage(path)
                        .scaled(8000, 6000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .save(path));
    }
    const BatchRun run = batch(kSgfOnly, large);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(movesWritten(run), gtpMoves(game.moves, 19));

    const QStringList tiny = photograph(openingOf(2), "piccole", {120, 90});
    const BatchRun refused = batch(kSgfOnly, tiny);
    EXPECT_EQ(refused.status, 4);
    EXPECT_TRUE(
        refused.err.contains("La prima fotografia è troppo piccola per riconoscere le "
                             "pietre (120 × 90 pixel; ne servono almeno 400 sul lato "
                             "corto): \"" +
                             tiny.first() + "\""))
        << refused.err.toStdString();
    EXPECT_TRUE(
        refused.err.contains("banmark-batch: elaborazione interrotta, nessun file scritto"));
}

TEST_F(BadInputTest, AFolderWithAccentsAndBlanksInItsName) {
    const SgfGame game = openingOf(4);
    const QString folder = "Partita à Cefalù del 5 maggio";
    const BatchRun run = batch(kSgfOnly, photograph(game, folder));
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.files(), QStringList{photos.path() + folder + "/Banmark.sgf"});
    EXPECT_EQ(movesWritten(run), gtpMoves(game.moves, 9));
}

TEST_F(BadInputTest, AnOutputFolderThatCannotBeWrittenIsReportedAndLeftAsItWas) {
    const QStringList series = photograph(openingOf(2));
    const QStringList before = QDir(photoFolder()).entryList(QDir::AllEntries | QDir::Hidden);
    forbidWriting(photoFolder());
    const BatchRun run = batch({"--rules", "Japanese", "--black-side", "S"}, series);
    EXPECT_EQ(run.status, 5);
    EXPECT_TRUE(run.err.contains("Impossibile salvare il file: \"" + photoFolder() +
                                 "Banmark.sgf\". La cartella non consente la scrittura, oppure "
                                 "il file è aperto in un altro programma."))
        << run.err.toStdString();
    EXPECT_TRUE(
        run.err.contains("Impossibile salvare il file: \"" + photoFolder() + "Banmark.bmp\"."));
    EXPECT_TRUE(run.out.contains("Non è stato possibile creare il file SGF."));
    EXPECT_TRUE(run.out.contains("Non è stato possibile creare il Kifu."));
    EXPECT_TRUE(run.err.contains("banmark-batch: non è stato possibile scrivere tutti i file"));
    EXPECT_EQ(QDir(photoFolder()).entryList(QDir::AllEntries | QDir::Hidden), before);
}

TEST_F(BadInputTest, AProgramFolderThatCannotBeWrittenGivesWayToTheUserDataFolder) {
    const SgfGame game = openingOf(2);
    const QStringList series = photograph(game);
    forbidWriting(program.path());
    const BatchRun run = batch(kSgfOnly, series);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(movesWritten(run), gtpMoves(game.moves, 9));
    EXPECT_TRUE(home.exists("share/Banmark/Banmark.ini"));
    EXPECT_EQ(QDir(program.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"banmark-batch"});
}

TEST_F(BadInputTest, WithoutAConverterThePhotosAreReadAsTheyAre) {
    const SgfGame game = openingOf(4);
    const QStringList series = photograph(game);
    environment.insert("PATH", program.path() + "nessuno");
    const BatchRun run = batch({"--rules", "Japanese", "--black-side", "S"}, series);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Impossibile trovare vconvert.exe e/o vcomp100.dll"));
    const QString base = photoFolder() + "Banmark";
    EXPECT_EQ(run.files(), QStringList({base + ".sgf", base + ".bmp"}));
    EXPECT_TRUE(run.err.contains(
        "Impossibile effettuare la compressione in formato PNG del file: \"" + base + ".bmp\"."));
    EXPECT_EQ(movesWritten(run), gtpMoves(game.moves, 9));
}

TEST_F(BadInputTest, APhotoTheConverterFailsOnIsSkipped) {
    const SgfGame game = openingOf(6);
    const QStringList series = photograph(game);
    program.write("vconvert",
                  "#!/bin/sh\n"
                  "case \"$1\" in *IMG_0004.jpg) exit 1;; esac\n"
                  "exec convert \"$@\"\n");
    chmod(QFile::encodeName(program.path() + "vconvert"), 0755);
    // Without move 3's photograph the next one shows moves 3 and 4: an
    // anomaly, which stops the run with the first two moves kept.
    const BatchRun run = batch(kSgfOnly, series);
    EXPECT_EQ(run.status, 4);
    EXPECT_TRUE(run.err.contains("Anomalia al file " + program.path() + "temp/IMG_0005.jpg: "))
        << run.err.toStdString();
    EXPECT_EQ(ReplayWithGnuGo(photoFolder() + "Banmark (parziale).sgf").moves,
              gtpMoves(game.moves, 9).mid(0, 2));
}

TEST_F(BadInputTest, IdenticalPhotographsOnlyShowTheEmptyBoard) {
    SgfGame game = openingOf(0);
    addPasses(game, 4);
    const QStringList series = photograph(game);
    const BatchRun run = batch(kSgfOnly + QStringList{"--on-unchanged", "ignore"}, series);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(
        run.out.startsWith("Banmark ha terminato l'elaborazione della partita.\n"
                           "Sono state esaminate 5 fotografie per un totale di 0 mosse."))
        << run.out.toStdString();
    EXPECT_FALSE(run.err.contains("passa?"));  // nobody can pass before the game starts
    EXPECT_TRUE(movesWritten(run).isEmpty());
}

TEST_F(BadInputTest, AGameStopsAtTheCapacityOfTheMoveList) {
    SgfGame game = openingOf(2);
    addPasses(game, 1000);
    const QStringList series = photograph(game);
    const BatchRun run = batch(kSgfOnly, series);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("La partita ha raggiunto il numero massimo di mosse"));
    EXPECT_TRUE(run.out.contains("per un totale di 998 mosse."));
    const std::optional<SgfGame> written = ReadSgfGame(readText(run.files().value(0)));
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->moves.size(), 998u);
}
