// banmark-batch on photo series taken with real cameras, kept beside the
// project in shared/real-photos: every photo has a label with the position
// it shows, and each series the game it records (truth.sgf, with the
// position it starts from when the first photograph shows one). A clone
// without that folder skips these tests.
#include "batch/BatchTest.h"
#include "render/SgfGame.h"

namespace {

// The label of each photograph, its rows joined by line ends, by file name.
QMap<QString, QString> labelsOf(const QDir& series) {
    QMap<QString, QString> labels;
    for (const QString& photo : series.entryList({"*.jpg"}, QDir::Files, QDir::Name)) {
        const QString label = series.filePath(QFileInfo(photo).completeBaseName() + ".txt");
        labels[photo] = readText(label).trimmed();
    }
    return labels;
}

// The positions file split into the same form.
QMap<QString, QString> positionsIn(const QString& text, int boardSize) {
    QMap<QString, QString> positions;
    const QStringList lines = text.split(u'\n');
    for (qsizetype k = 0; k + boardSize < lines.size(); k += boardSize + 1)
        positions[lines[k]] = lines.mid(k + 1, boardSize).join(u'\n');
    return positions;
}

class RealPhotosEndToEndTest : public RealPhotosTest {
protected:
    // The series' photographs, linked into a folder of the test's own.
    QStringList linkSeries(const QDir& series) {
        QStringList linked;
        for (const QString& photo : series.entryList({"*.jpg"}, QDir::Files, QDir::Name)) {
            linked << photos.path() + photo;
            QFile::link(series.filePath(photo), linked.back());
        }
        return linked;
    }

    // Reads the whole series with the grid the program finds and follows,
    // and checks every position and the game. The grid's corners on the
    // first photograph are FindGridRealPhotosTest's.
    void expectEveryPositionAndTheGame(const QString& name) {
        const QDir series(kRealPhotos + u'/' + name);
        const QString positions = photos.path() + "positions.txt";
        const BatchRun run = batch(
            {"--rules", "Chinese", "--black-side", "S", "--no-kifu", "--positions", positions},
            linkSeries(series));
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        // Nothing was asked but Black's side.
        EXPECT_FALSE(run.err.contains(" -> ")) << run.err.toStdString();
        EXPECT_FALSE(run.err.contains("Anomalia")) << run.err.toStdString();

        const std::optional<SgfGame> truth = ReadSgfGame(readText(series.filePath("truth.sgf")));
        ASSERT_TRUE(truth);
        ASSERT_EQ(run.files().size(), 1) << run.out.toStdString();
        const GnuGoReplay replay = ReplayWithGnuGo(run.files().first());
        EXPECT_EQ(replay.moves, gtpMoves(truth->moves, 19));
        EXPECT_EQ(replay.setupBlack.size(), truth->setupBlack.size());
        EXPECT_EQ(replay.setupWhite.size(), truth->setupWhite.size());
        EXPECT_EQ(positionsIn(readText(positions), 19), labelsOf(series));
    }
};

}  // namespace

// A webcam at a steep angle over a pale board on a white cloth, auto
// exposure, and a hand reaching over the board's edge in one photograph.
TEST_F(RealPhotosEndToEndTest, AWebcamSeriesGivesEveryPositionAndTheGame) {
    expectEveryPositionAndTheGame("t2");
}

// A phone held by hand over a pale board folded in the middle, with a
// printed border round the grid: the board moves and turns between the
// photographs, and one of them is blurred and doubled by the hand's shake.
TEST_F(RealPhotosEndToEndTest, AHandHeldPhoneSeriesGivesEveryPositionAndTheGame) {
    expectEveryPositionAndTheGame("t1");
}

// The same webcam later in that game: 49 stones on the first photograph,
// and the game goes on from them.
TEST_F(RealPhotosEndToEndTest, ASeriesFromTheMiddleOfAGameGoesOnFromItsFirstPhotograph) {
    expectEveryPositionAndTheGame("t2-050");
}

// Every photograph of the series read by itself, without the empty board or
// the photographs before it: all but the one with a hand over the board.
TEST_F(RealPhotosEndToEndTest, EachPhotographReadAloneGivesItsPosition) {
    int wrong = 0;
    for (const QString name : {"t1", "t2", "t2-050"}) {
        const QDir series(kRealPhotos + u'/' + name);
        const QMap<QString, QString> labels = labelsOf(series);
        for (const QString& photo : linkSeries(series)) {
            const BatchRun run = batch({"--no-kifu", "--position", photo});
            wrong += positionsIn(run.out, 19).value(QFileInfo(photo).fileName()) !=
                     labels[QFileInfo(photo).fileName()];
        }
    }
    EXPECT_LE(wrong, 1);
}
