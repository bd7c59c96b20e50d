// Throughput of the work an engineer waits for: opening a document (native
// and exchange file), saving it, and drawing one page on the recording device
// and on a 150-dpi image. Run: build/bench/ReadAndRender
#include "DrawingBenchmarkMain.h"
#include "data/BoringData.h"
#include "document/DocumentRefresh.h"
#include "formats/NativeWriter.h"
#include "formats/OpenDocument.h"
#include "render/LogPage.h"
#include "render/QtPainterDevice.h"
#include "render/RecordingDevice.h"
#include "settings/SettingsStore.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

using namespace kolv;

struct Job {
    BoringData data;
    LogSettings settings;
    Issues issues;
};

Job& preparedJob(const std::string& file)
{
    static Job job;
    static std::string loaded;
    if (loaded != file) {
        job.settings = LogSettings{};
        job.settings.dataRoot = (std::filesystem::temp_directory_path() / "kolv-bench").string();
        job.settings.installFolderOverride = KOLV_BUNDLED_INSTALL_DIR;
        loadSettings(job.settings, job.data, false, job.issues);
        Issues issues;
        openDocumentFile(file, job.data, job.settings.soilNameMaster, issues);
        ViewState view;
        applyDocumentChange(job.data, job.settings, view, job.issues, PaperSize{297, 420});
        loaded = file;
    }
    return job;
}

std::string sample(const char* name)
{
    return std::string(KOLV_BUNDLED_INSTALL_DIR) + "/../samples/" + name;
}

const std::string largestExchangeFile =
    std::string(KOLV_CORPUS_DIR) + "/xml-real/geofukui-jiban-opendata/18000103101301603/DATA/BED0001.XML";

void openFile(benchmark::State& state, const std::string& file)
{
    Job& job = preparedJob(sample("harbour.vla"));
    for (auto _ : state) {
        BoringData data;
        Issues issues;
        benchmark::DoNotOptimize(openDocumentFile(file, data, job.settings.soilNameMaster, issues));
    }
}

void BM_OpenNativeSample(benchmark::State& state)
{
    openFile(state, sample("harbour.vla"));
}
BENCHMARK(BM_OpenNativeSample);

void BM_OpenExchangeFile(benchmark::State& state)
{
    if (!std::filesystem::exists(largestExchangeFile)) {
        state.SkipWithError("the public exchange files are missing");
        return;
    }
    openFile(state, largestExchangeFile);
}
BENCHMARK(BM_OpenExchangeFile);

void BM_WriteNativeSample(benchmark::State& state)
{
    Job& job = preparedJob(sample("harbour.vla"));
    for (auto _ : state)
        benchmark::DoNotOptimize(writeNativeFile(job.data));
}
BENCHMARK(BM_WriteNativeSample);

void BM_DrawPageRecording(benchmark::State& state)
{
    Job& job = preparedJob(sample("harbour.vla"));
    for (auto _ : state) {
        RecordingDevice device(150);
        drawPage(device, job.data, job.settings, PageOptions{});
        benchmark::DoNotOptimize(device);
    }
}
BENCHMARK(BM_DrawPageRecording);

void BM_DrawPageImage150Dpi(benchmark::State& state)
{
    Job& job = preparedJob(sample("harbour.vla"));
    QImage image(1654, 2480, QImage::Format_RGB32);
    image.setDotsPerMeterX(5906);
    image.setDotsPerMeterY(5906);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        QtPainterDevice device(painter);
        drawPage(device, job.data, job.settings, PageOptions{});
    }
}
BENCHMARK(BM_DrawPageImage150Dpi);

}  // namespace

int main(int argc, char** argv)
{
    return kolv::bench::runDrawingBenchmarks(argc, argv);
}
