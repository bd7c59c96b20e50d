// Rendering exchange files of the corpus to PDF as the command line does
// (open, prepare the log, draw every page on an A3 PDF at 150 dpi), against
// the same files opened and drawn on the recording device: the ratio is what
// the PDF output adds to the drawing itself. work_ms is the absolute time
// per file; the batch of many files costs that per file and core.
// Run: build/bench/PdfSpeed
#include "DrawingBenchmarkMain.h"
#include "BenchSupport.h"
#include "render/LogMapping.h"
#include "render/LogPage.h"
#include "render/QtPainterDevice.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

using namespace kolv;

constexpr int dotsPerInch = 150;
constexpr PaperSize a3{297, 420};

// The densest corpus file: long names, dense tests, samples and thin layers.
const char* const denseFile = "xml-real/geofukui-jiban-opendata/18000103101301603/DATA/BED0001.XML";

struct OpenedLog {
    BoringData data;
    LogSettings settings;
    int pages = 0;
};

OpenedLog openLog(const std::string& path)
{
    const bench::Installation& installation = bench::bundledInstallation();
    OpenedLog log{installation.defaults, installation.settings, 0};
    Issues issues;
    openDocumentFile(path, log.data, log.settings.soilNameMaster, issues);
    ViewState view;
    applyDocumentChange(log.data, log.settings, view, issues, a3);
    log.pages = pageCount(log.settings, maximumDepth(log.data));
    return log;
}

std::size_t renderPdf(const std::string& path)
{
    const OpenedLog log = openLog(path);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("kolv"));
        writer.setResolution(dotsPerInch);
        writer.setPageSize(
            QPageSize(QSizeF(a3.widthMm, a3.lengthMm), QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        for (int page = 1; page <= log.pages; ++page) {
            if (page > 1)
                writer.newPage();
            QtPainterDevice device(painter);
            PageOptions options;
            options.printing = true;
            options.page = page;
            drawPage(device, log.data, log.settings, options);
        }
    }
    return static_cast<std::size_t>(bytes.size());
}

std::size_t recordPages(const std::string& path)
{
    const OpenedLog log = openLog(path);
    std::size_t primitives = 0;
    for (int page = 1; page <= log.pages; ++page) {
        RecordingDevice device(dotsPerInch);
        PageOptions options;
        options.printing = true;
        options.page = page;
        drawPage(device, log.data, log.settings, options);
        primitives += device.primitives.size();
    }
    return primitives;
}

std::vector<std::string> corpusFiles()
{
    std::vector<std::string> files;
    const std::filesystem::path root = KOLV_CORPUS_DIR;
    if (!std::filesystem::is_directory(root))
        return files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string name = entry.path().filename().string();
        std::string extension = entry.path().extension().string();
        for (char& c : extension)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        // BORING.XML indexes a delivery; it holds no borehole.
        if (entry.is_regular_file() && extension == ".xml" && name != "BORING.XML")
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

void measureFiles(benchmark::State& state, const std::vector<std::string>& files)
{
    if (files.empty()) {
        state.SkipWithError("no corpus (configure with -DKOLV_CORPUS_DIR)");
        return;
    }
    std::size_t pdfBytes = 0;
    bench::measureRatio(
        state,
        [&] {
            pdfBytes = 0;
            for (const std::string& file : files)
                pdfBytes += renderPdf(file);
        },
        [&] {
            for (const std::string& file : files)
                benchmark::DoNotOptimize(recordPages(file));
        });
    const double count = static_cast<double>(files.size());
    state.counters["work_ms"] = state.counters["work_ms"] / count;
    state.counters["floor_ms"] = state.counters["floor_ms"] / count;
    state.counters["files"] = count;
    state.counters["pdf_kb"] = static_cast<double>(pdfBytes) / 1024.0 / count;
}

// One dense file.
void BM_DenseFilePdfAgainstRecording(benchmark::State& state)
{
    measureFiles(state, {std::string(KOLV_CORPUS_DIR) + "/" + denseFile});
}
BENCHMARK(BM_DenseFilePdfAgainstRecording)->Unit(benchmark::kMillisecond);

// Every exchange file of the corpus, per file: what a batch costs.
void BM_CorpusPdfAgainstRecording(benchmark::State& state)
{
    static const std::vector<std::string> files = corpusFiles();
    measureFiles(state, files);
}
BENCHMARK(BM_CorpusPdfAgainstRecording)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return kolv::bench::runDrawingBenchmarks(argc, argv);
}
