// Reading a prepared photograph into pixel rows, as the grid detection does
// once per run, and writing a computed picture back.
#include <benchmark/benchmark.h>

#include <QImage>

#include "imaging/FastDrawing.h"

namespace {

QImage preparedPhoto() {
    QImage photo(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) line[x] = qRgb(x & 255, y & 255, (x + y) & 255);
    }
    return photo;
}

void BM_ReadPhotoRows(benchmark::State& state) {
    const QImage photo = preparedPhoto();
    for (auto _ : state) {
        PixelRows rows = FastDrawing::GetImageData2D(photo, false);
        benchmark::DoNotOptimize(rows.bytes.data());
    }
}
BENCHMARK(BM_ReadPhotoRows)->Unit(benchmark::kMillisecond);

void BM_WriteStretchedRows(benchmark::State& state) {
    const PixelRows rows = FastDrawing::GetImageData2D(preparedPhoto(), false);
    QImage target(720, 2400, QImage::Format_RGB32);
    for (auto _ : state) {
        FastDrawing::SetImageData2D(target, rows.width, rows.height, rows, false);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_WriteStretchedRows)->Unit(benchmark::kMillisecond);

}  // namespace
