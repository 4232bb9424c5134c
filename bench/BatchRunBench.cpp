// A whole batch run over a 9-line game of 50 photographs at 2400 x 1800 (the
// SGF file and the kifu sheet included), against the converter command lines
// that shrink the same photographs, run one after another by a shell loop.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "imaging/Converter.h"
#include "imaging/PhotoPaths.h"
#include "imaging/PhotoPreparation.h"
#include "support/GoGame.h"
#include "support/PhotoSeriesRender.h"

namespace {

constexpr int kPhotos = 50;
// A game whose first two moves are stones, so that it starts as the program expects.
constexpr std::uint32_t kSeed = 3;

struct Series {
    Series() {
        SgfGame game;
        game.boardSize = 9;
        GoBoard board(9);
        game.moves = RandomGame(board, kPhotos - 1, kSeed);
        // The photographs shrink to 1600 pixels: looked at as at 1600, the
        // grid spacing of the prepared copies is the one the classifier reads best.
        SeriesLook look = LookFor(9, QSize(1600, 1200));
        look.photoSize = QSize(2400, 1800);
        photos = RenderPhotoSeries(game, root.path() + "/photos", look);
        programDir = root.path() + "/program/";
        QDir().mkpath(programDir);
        QFile::copy(BANMARK_BATCH, programDir + "banmark-batch");
        QFile::setPermissions(programDir + "banmark-batch",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QTemporaryDir root;
    QStringList photos;
    QString programDir;
};

Series& shared() {
    static Series series;
    return series;
}

void BM_BatchRun(benchmark::State& state) {
    Series& s = shared();
    if (s.photos.size() != kPhotos) state.SkipWithError("the series could not be rendered");
    for (auto _ : state) {
        QProcess batch;
        batch.start(s.programDir + "banmark-batch", {"--rules", "Japanese", "--black-side", "S",
                                                     s.photos.first(), s.photos.last()});
        batch.waitForFinished(-1);
        if (batch.exitCode() != 0) state.SkipWithError(batch.readAllStandardError().constData());
    }
}
BENCHMARK(BM_BatchRun)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

void BM_ConverterCommandsAlone(benchmark::State& state) {
    Series& s = shared();
    PhotoSeries series{DirectoryOf(s.photos.first()), {}};
    for (const QString& photo : s.photos) series.names << StripPath(photo);
    const QStringList commands =
        PreparationScript(s.programDir, series, FindConverter(QString())).mid(2);
    QDir().mkpath(s.programDir + "temp");
    for (auto _ : state) {
        QProcess::execute(QStringLiteral("bash"), {QStringLiteral("-c"), commands.join(u'\n')});
    }
}
BENCHMARK(BM_ConverterCommandsAlone)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

}  // namespace
