// A whole batch run over a 9-line game of 50 photographs at 2400 x 1800 (the
// SGF file and the kifu sheet included), against the converter command lines
// that shrink the same photographs, run one after another by a shell loop.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QProcess>

#include "imaging/Converter.h"
#include "imaging/PhotoPaths.h"
#include "imaging/PhotoPreparation.h"
#include "render/GoGame.h"
#include "render/PhotoSeriesRender.h"
#include "support/TempProgramDir.h"

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
        photos = RenderPhotoSeries(game, photoDir.path() + "photos", look);
        batchProgram = program.install(BANMARK_BATCH);
    }

    TempProgramDir photoDir;
    TempProgramDir program;
    QStringList photos;
    QString batchProgram;
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
        batch.start(s.batchProgram, {"--rules", "Japanese", "--black-side", "S", s.photos.first(),
                                     s.photos.last()});
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
        PreparationScript(s.program.path(), series, FindConverter(QString())).mid(2);
    QDir().mkpath(s.program.path() + "temp");
    for (auto _ : state) {
        QProcess::execute(QStringLiteral("bash"), {QStringLiteral("-c"), commands.join(u'\n')});
    }
}
BENCHMARK(BM_ConverterCommandsAlone)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

}  // namespace
