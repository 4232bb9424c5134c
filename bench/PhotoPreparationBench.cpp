// Preparing a series of twenty 4000 x 3000 photographs: through
// PreparePhotos and its script runner, against the same converter command
// lines run one after another by a shell loop. Both wait for the last copy.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "imaging/Converter.h"
#include "imaging/PhotoPreparation.h"
#include "imaging/ScriptRunner.h"
#include "support/ScriptedUserPort.h"

namespace {

constexpr int kPhotos = 20;

struct Series {
    Series() {
        QDir().mkpath(folder());
        QImage photo(4000, 3000, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x) row[x] = qRgb(200 + x % 40, 150 + y % 50, 80);
        }
        for (int k = 1; k <= kPhotos; ++k) {
            const QString name = QStringLiteral("img%1.jpg").arg(k, 2, 10, QLatin1Char('0'));
            photo.save(folder() + QDir::separator() + name, "JPG", 90);
            series.names << name;
        }
        series.folder = folder();
        programDir = root.path() + QDir::separator();
        converter = FindConverter(QString());
    }
    QString folder() const { return root.path() + QStringLiteral("/photos"); }

    QTemporaryDir root;
    PhotoSeries series;
    QString programDir;
    QString converter;
};

Series& shared() {
    static Series series;
    return series;
}

void BM_PreparePhotos(benchmark::State& state) {
    Series& s = shared();
    ScriptedUserPort port;
    ScriptRunner runner;
    for (auto _ : state) {
        PreparePhotos(s.programDir, s.series, s.converter, runner, port);
        runner.WaitForFile(PreparedCopy(s.programDir, s.series.names.last()), port);
    }
}
BENCHMARK(BM_PreparePhotos)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

void BM_ShellLoop(benchmark::State& state) {
    Series& s = shared();
    const QStringList commands = PreparationScript(s.programDir, s.series, s.converter).mid(2);
    for (auto _ : state) {
        QProcess::execute(QStringLiteral("bash"), {QStringLiteral("-c"), commands.join(u'\n')});
    }
}
BENCHMARK(BM_ShellLoop)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace
