// Drawing one dense page (200 layers with patterns, 300 penetration tests,
// notes): at 96 dpi on an image against replaying the primitives the
// recording device recorded of the same page into the same painter (target:
// ratio at most 1.5), the screen page at screen size (a repaint while paging,
// target under 16 ms), a PNG at 300 dpi and a PDF page.
// Run: build/bench/DrawingSpeed
#include "DrawingBenchmarkMain.h"
#include "BenchSupport.h"
#include "render/LogPage.h"
#include "render/QtPainterDevice.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace {

using namespace kolv;

constexpr double a3WidthMm = 297;
constexpr double a3LengthMm = 420;

QImage whiteImage(int width, int height, int dotsPerInch)
{
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

QImage paperImage(int dotsPerInch)
{
    return whiteImage(static_cast<int>(std::lround(a3WidthMm * dotsPerInch / 25.4)),
                      static_cast<int>(std::lround(a3LengthMm * dotsPerInch / 25.4)), dotsPerInch);
}

void drawDensePage(QPainter& painter, const PageOptions& options = {})
{
    const bench::DenseBorehole& dense = bench::denseBorehole();
    QtPainterDevice device(painter);
    drawPage(device, dense.data, dense.settings, options);
    device.flushBitmaps();
}

void BM_DensePageAgainstReplay(benchmark::State& state)
{
    const bench::DenseBorehole& dense = bench::denseBorehole();
    RecordingDevice recorded(96);
    drawPage(recorded, dense.data, dense.settings, PageOptions{});
    QImage image = paperImage(96);
    bench::measureRatio(
        state,
        [&] {
            image.fill(Qt::white);
            QPainter painter(&image);
            drawDensePage(painter);
        },
        [&] {
            image.fill(Qt::white);
            QPainter painter(&image);
            QtPainterDevice device(painter);
            bench::replayPrimitives(recorded.primitives, device);
            device.flushBitmaps();
        });
    state.counters["primitives"] = static_cast<double>(recorded.primitives.size());
}
BENCHMARK(BM_DensePageAgainstReplay)->Unit(benchmark::kMillisecond);

// The window's repaint while paging: the screen page of a 1920 x 1080 view.
void BM_DenseScreenPageRepaint(benchmark::State& state)
{
    QImage image = whiteImage(1920, 1080, 96);
    PageOptions options;
    options.printing = false;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        drawDensePage(painter, options);
    }
}
BENCHMARK(BM_DenseScreenPageRepaint)->Unit(benchmark::kMillisecond);

void BM_DensePagePng300Dpi(benchmark::State& state)
{
    QImage image = paperImage(300);
    for (auto _ : state) {
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            drawDensePage(painter);
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_DensePagePng300Dpi)->Unit(benchmark::kMillisecond);

void BM_DensePagePdf(benchmark::State& state)
{
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setResolution(300);
            writer.setPageSize(
                QPageSize(QSizeF(a3WidthMm, a3LengthMm), QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            QPainter painter(&writer);
            drawDensePage(painter);
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_DensePagePdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return kolv::bench::runDrawingBenchmarks(argc, argv);
}
