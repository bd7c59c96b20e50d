// Opening documents against their floors, measured in the same run: the
// largest public exchange file against a QXmlStreamReader loop that only
// tokenises the same bytes (target: ratio at most 1), and native files
// against reading the same bytes line by line (target: at most 3).
// Run: build/bench/ImportSpeed
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

#include <cstdio>
#include <filesystem>

namespace {

using namespace kolv;

const std::string largestExchangeFile =
    std::string(KOLV_CORPUS_DIR) + "/xml-real/geofukui-jiban-opendata/18000103101301603/DATA/BED0001.XML";

// Opens the file into the one store of the document, as the window does.
void openDocument(const std::string& path)
{
    static BoringData data = bench::bundledInstallation().defaults;
    Issues issues;
    benchmark::DoNotOptimize(
        openDocumentFile(path, data, bench::bundledInstallation().settings.soilNameMaster, issues));
}

// Reads the file and steps through every token; stops the run when the
// tokeniser cannot read the file to its end, since the floor would be wrong.
void tokenise(const std::string& path, benchmark::State& state)
{
    std::string bytes;
    readFileBytes(path, bytes);
    QXmlStreamReader reader(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
    int tokens = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        ++tokens;
    }
    if (reader.hasError())
        state.SkipWithError(qPrintable(reader.errorString()));
    benchmark::DoNotOptimize(tokens);
}

void readLines(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return;
    char line[4096];
    int lines = 0;
    while (std::fgets(line, sizeof line, file))
        ++lines;
    std::fclose(file);
    benchmark::DoNotOptimize(lines);
}

void BM_ExchangeFileImportAgainstTokeniser(benchmark::State& state)
{
    if (!std::filesystem::exists(largestExchangeFile)) {
        state.SkipWithError("the public exchange files are missing");
        return;
    }
    bench::measureRatio(
        state, [] { openDocument(largestExchangeFile); }, [&state] { tokenise(largestExchangeFile, state); });
}
BENCHMARK(BM_ExchangeFileImportAgainstTokeniser)->Unit(benchmark::kMillisecond);

void BM_DenseNativeFileAgainstReadingLines(benchmark::State& state)
{
    const std::string& path = bench::denseBorehole().path;
    bench::measureRatio(
        state, [&path] { openDocument(path); }, [&path] { readLines(path); });
}
BENCHMARK(BM_DenseNativeFileAgainstReadingLines)->Unit(benchmark::kMillisecond);

void BM_SampleNativeFileAgainstReadingLines(benchmark::State& state)
{
    const std::string path = std::string(KOLV_BUNDLED_INSTALL_DIR) + "/../samples/harbour.vla";
    bench::measureRatio(
        state, [&path] { openDocument(path); }, [&path] { readLines(path); });
}
BENCHMARK(BM_SampleNativeFileAgainstReadingLines)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
