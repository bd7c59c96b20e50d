// Drawing a page whose heading holds a very long value (a damaged or
// generated file): 100,000 characters in the boring name, the start and the
// end date against 10,000. Fitting such a value into its place of the title
// block costs in proportion to its length, so the ratio stays near 10 (the
// page's other drawing makes it less); a fitting search that re-measured
// the text character by character made it 100 and more.
// Run: build/bench/LongTextSpeed
#include "DrawingBenchmarkMain.h"
#include "BenchSupport.h"
#include "render/LogPage.h"

#include <QImage>
#include <QPainter>

namespace {

using namespace kolv;

// The heading lines of the boring name, the start month and the end year:
// values drawn in a place of their own in the title block.
constexpr int longLines[] = {5, 7, 9};

BoringData boreholeWithHeading(std::size_t characters)
{
    BoringData data = bench::bundledInstallation().defaults;
    clear(data);
    data.layerRows.row(1) = {"5.00", utf8ToCp932("砂"), "", "", "", "", "", "", "", "", "", "", "", ""};
    std::string value;
    const std::string unit = utf8ToCp932("港湾Ab");
    while (value.size() < 2 * characters)
        value += unit;
    for (int line : longLines)
        data.setHeadingLine(line, value.substr(0, 2 * characters));
    return data;
}

void BM_LongHeadingAgainstATenthOfIt(benchmark::State& state)
{
    const LogSettings& settings = bench::bundledInstallation().settings;
    const BoringData longer = boreholeWithHeading(100000);
    const BoringData shorter = boreholeWithHeading(10000);
    QImage image(1123, 1587, QImage::Format_RGB32);
    const auto draw = [&](const BoringData& data) {
        image.fill(Qt::white);
        QPainter painter(&image);
        QtPainterDevice device(painter);
        drawPage(device, data, settings, PageOptions{});
        device.flushBitmaps();
    };
    bench::measureRatio(
        state, [&] { draw(longer); }, [&] { draw(shorter); });
}
BENCHMARK(BM_LongHeadingAgainstATenthOfIt)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return kolv::bench::runDrawingBenchmarks(argc, argv);
}
