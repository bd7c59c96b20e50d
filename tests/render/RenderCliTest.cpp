#include "data/BoringData.h"
#include "formats/NativeWriter.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <sys/wait.h>

namespace kolv {
namespace {

const std::string sample = std::string(KOLV_FIXTURE_DIR) + "/render/harbour-sample.vla";

struct CliRun {
    int status = -1;
    std::string errors;
    std::string output;  // stdout: the files written
};

// Runs kolv-cli render with the arguments (already quoted where needed).
CliRun render(const test::TemporaryFolder& folder, const std::string& arguments)
{
    const std::string errorFile = folder.file("stderr.txt");
    const std::string outputFile = folder.file("stdout.txt");
    const std::string command =
        std::string("'") + KOLV_CLI_PATH + "' render " + arguments + " 2> '" + errorFile + "' > '" + outputFile + "'";
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.errors = test::readFile(errorFile);
    run.output = test::readFile(outputFile);
    return run;
}

std::string quoted(const std::string& path)
{
    return "'" + path + "'";
}

struct PdfFacts {
    int pages = 0;
    double width = 0;
    double height = 0;
};

PdfFacts pdfFacts(const std::string& path)
{
    const std::string pdf = test::readFile(path);
    PdfFacts facts;
    const std::regex page(R"(/Type\s*/Page[^s])");
    facts.pages =
        static_cast<int>(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
    std::smatch box;
    const std::regex mediaBox(R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])");
    if (std::regex_search(pdf, box, mediaBox)) {
        facts.width = std::stod(box[1]);
        facts.height = std::stod(box[2]);
    }
    return facts;
}

constexpr double pointsPerMillimetre = 72 / 25.4;

TEST(RenderCli, PdfPageIsTheSettingsPaperUnlessAnotherIsGiven)
{
    test::TemporaryFolder folder;
    // The bundled settings' paper defaults are A3 portrait.
    const CliRun plain = render(folder, quoted(sample) + " -o " + quoted(folder.file("log.pdf")));
    ASSERT_EQ(plain.status, 0) << plain.errors;
    const PdfFacts plainFacts = pdfFacts(folder.file("log.pdf"));
    EXPECT_NEAR(plainFacts.width, 297 * pointsPerMillimetre, 0.5);
    EXPECT_NEAR(plainFacts.height, 420 * pointsPerMillimetre, 0.5);
    // 32 m at 28 m a page: 388 - 5 - 30 (free notes) - 70 = 283 mm.
    EXPECT_EQ(plainFacts.pages, 2);
    EXPECT_NE(plain.errors.find("page 2/2"), std::string::npos);
    EXPECT_EQ(plain.errors.find("warning"), std::string::npos) << "the whole log fits A3\n" << plain.errors;
    EXPECT_EQ(plain.output, folder.file("log.pdf") + "\n") << "a PDF stays one file";

    struct Case {
        std::string options;
        double width;
        double height;
        int pages;
    };
    const Case cases[] = {
        {"--paper A3", 297, 420, 2},
        {"--landscape", 420, 297, 3},
        {"--paper a4 --landscape --pages 1-1", 297, 210, 1},
    };
    for (const Case& c : cases) {
        const CliRun run = render(folder, quoted(sample) + " -o " + quoted(folder.file("paper.pdf")) + " " + c.options);
        ASSERT_EQ(run.status, 0) << c.options << "\n" << run.errors;
        const PdfFacts facts = pdfFacts(folder.file("paper.pdf"));
        EXPECT_NEAR(facts.width, c.width * pointsPerMillimetre, 0.5) << c.options;
        EXPECT_NEAR(facts.height, c.height * pointsPerMillimetre, 0.5) << c.options;
        EXPECT_EQ(facts.pages, c.pages) << c.options;
        if (c.pages == 1) {
            EXPECT_EQ(run.errors.find("page 1/"), std::string::npos) << "no progress for a single page";
        }
    }

    // Paper defaults of A4 landscape in the installation folder's settings.
    test::TemporaryFolder install;
    std::filesystem::copy(KOLV_BUNDLED_INSTALL_DIR, install.path(),
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    std::string settings = test::readFile(install.file("Sys.ndx"));
    std::size_t line9 = 0;
    for (int line = 0; line < 9; ++line)
        line9 = settings.find("\r\n", line9) + 2;
    settings.replace(line9, settings.find("\r\n", line9) - line9, "1\r\n1");  // lines 9 and 10
    settings.erase(settings.find("\r\n", line9 + 4), 3);                      // the old line 10
    test::writeFile(install.file("Sys.ndx"), settings);
    const CliRun a4 = render(folder,
                             quoted(sample) + " -o " + quoted(folder.file("a4.pdf")) + " --install-dir "
                                 + quoted(install.path()) + " --pages 1-1");
    ASSERT_EQ(a4.status, 0) << a4.errors;
    const PdfFacts a4Facts = pdfFacts(folder.file("a4.pdf"));
    EXPECT_NEAR(a4Facts.width, 297 * pointsPerMillimetre, 0.5);
    EXPECT_NEAR(a4Facts.height, 210 * pointsPerMillimetre, 0.5);
}

TEST(RenderCli, ALogWiderThanTheSheetIsWrittenWithAWarningThatNamesTheRemedies)
{
    test::TemporaryFolder folder;
    const CliRun a4 = render(folder, quoted(sample) + " -o " + quoted(folder.file("a4.pdf")) + " --paper A4");
    ASSERT_EQ(a4.status, 0) << a4.errors;
    EXPECT_TRUE(std::filesystem::exists(folder.file("a4.pdf")));
    EXPECT_EQ(std::count(a4.errors.begin(), a4.errors.end(), '\n') - 3, 1) << "one warning besides the pages\n"
                                                                           << a4.errors;
    for (const char* text : {"warning", "285 mm wide", "A4 portrait", "210 x 297 mm", "right part is cut off",
                             "--paper A3", "--paper A4 --landscape", "--hscale "})
        EXPECT_NE(a4.errors.find(text), std::string::npos) << text << "\n" << a4.errors;
    EXPECT_NE(a4.errors.find(sample), std::string::npos) << "names the file";

    // The scale the warning proposes makes the log fit.
    const std::size_t at = a4.errors.find("--hscale ") + 9;
    const std::string scale = a4.errors.substr(at, a4.errors.find_first_not_of("0123456789", at) - at);
    const CliRun fitted =
        render(folder, quoted(sample) + " -o " + quoted(folder.file("a4.pdf")) + " --paper A4 --hscale " + scale);
    ASSERT_EQ(fitted.status, 0) << fitted.errors;
    EXPECT_EQ(fitted.errors.find("warning"), std::string::npos) << scale << "\n" << fitted.errors;

    const CliRun tall =
        render(folder, quoted(sample) + " -o " + quoted(folder.file("tall.pdf")) + " --depth-per-page 60");
    ASSERT_EQ(tall.status, 0) << tall.errors;
    EXPECT_NE(tall.errors.find("lower part is cut off"), std::string::npos) << tall.errors;
    EXPECT_NE(tall.errors.find("--depth-per-page"), std::string::npos) << tall.errors;
}

// Output that is useless but asked for is still written, with one warning.
TEST(RenderCli, WarningsForSettingsThatGiveUselessOutput)
{
    test::TemporaryFolder folder;
    kolv::BoringData empty;
    kolv::clear(empty);
    const std::string emptyLog = folder.file("empty.vla");
    test::writeFile(emptyLog, kolv::writeNativeFile(empty));
    struct Case {
        std::string input;
        std::string options;
        std::string warning;
    };
    const Case cases[] = {
        {sample, "--dpi 12", "--dpi 12 is below 30"},
        {sample, "--start 1000", "the start depth 1000.00 m lies at or below the last layer or test (32.00 m)"},
        {sample, "--start 4 --depth-per-page 14 --pages 3-3", "page 3 starts at 32.00 m, at or below the last layer"},
        {emptyLog, "", "no layer and no penetration test"},
    };
    for (const Case& c : cases) {
        const std::string out = folder.file("out.png");
        std::filesystem::remove(out);
        const CliRun run =
            render(folder, quoted(c.input) + " -o " + quoted(out) + " --pages 1-1 --dpi 30 " + c.options);
        EXPECT_EQ(run.status, 0) << c.options << "\n" << run.errors;
        EXPECT_TRUE(std::filesystem::exists(out)) << c.options;
        EXPECT_NE(run.errors.find(c.warning), std::string::npos) << c.options << "\n" << run.errors;
    }
}

TEST(RenderCli, PngAndSvgFilesArePerPage)
{
    test::TemporaryFolder folder;
    const CliRun all = render(folder, "'" + sample + "' -o '" + folder.file("log.png") + "' --dpi 40");
    ASSERT_EQ(all.status, 0) << all.errors;
    EXPECT_EQ(all.output, folder.file("log-1.png") + "\n" + folder.file("log-2.png") + "\n");
    for (int page = 1; page <= 2; ++page)
        EXPECT_TRUE(std::filesystem::exists(folder.file("log-" + std::to_string(page) + ".png"))) << page;
    EXPECT_FALSE(std::filesystem::exists(folder.file("log.png")));
    const QImage first(QString::fromStdString(folder.file("log-1.png")));
    EXPECT_EQ(first.width(), 468);  // A3: 297 mm at 40 dpi
    EXPECT_EQ(first.height(), 661);
    // The frame's right edge (at 285 mm: 449 pixels) is on the sheet: the
    // rightmost column that is dark over half the page's height.
    int frameRight = -1;
    for (int x = 0; x < first.width(); ++x) {
        int dark = 0;
        for (int y = 0; y < first.height(); ++y)
            dark += qGray(first.pixel(x, y)) < 128 ? 1 : 0;
        if (dark > first.height() / 2)
            frameRight = x;
    }
    EXPECT_NEAR(frameRight, 449, 3);

    const CliRun one = render(folder, "'" + sample + "' -o '" + folder.file("two.svg") + "' --pages 2-2 --dpi 40");
    ASSERT_EQ(one.status, 0) << one.errors;
    EXPECT_EQ(one.output, folder.file("two.svg") + "\n");
    EXPECT_NE(test::readFile(folder.file("two.svg")).find("<svg"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.file("two-2.svg")));
}

TEST(RenderCli, ScaleDepthAndStartOptionsChangeThePagination)
{
    test::TemporaryFolder folder;
    const std::string pdf = folder.file("log.pdf");
    struct Case {
        std::string options;
        int pages;
    };
    const Case cases[] = {
        {"--depth-per-page 10", 4},
        {"--depth-per-page 10 --start 20", 2},
        {"--start -25", 2},             // held at -10: 42 m at 28 m a page
        {"--vscale 50", 4},             // 388 - 5 - 30 - 140 = 213 mm: 10 m a page
        {"--vscale 50 --paper A4", 9},  // 265 - 5 - 30 - 140 = 90 mm: 4 m a page
        {"--hscale 200 --depth-per-page 40", 1},
    };
    for (const Case& c : cases) {
        const CliRun run = render(folder, "'" + sample + "' -o '" + pdf + "' " + c.options);
        ASSERT_EQ(run.status, 0) << c.options << "\n" << run.errors;
        EXPECT_EQ(pdfFacts(pdf).pages, c.pages) << c.options;
    }
}

TEST(RenderCli, ExitStatusOfUsageErrorsAndFailures)
{
    test::TemporaryFolder folder;
    test::writeFile(folder.file("unknown.txt"), "this is no boring log\r\nat all\r\n");
    const std::string out = " -o '" + folder.file("out.pdf") + "'";
    std::filesystem::create_directory(folder.file("logs"));
    struct Case {
        std::string arguments;
        int status;
        std::string says;
    };
    const Case cases[] = {
        {"'" + sample + "'" + out + " --pages 0-1", 2, "counted from 1"},
        {"'" + sample + "'" + out + " --pages 3-2", 2, "--pages 3-2 is reversed"},
        {"'" + sample + "'" + out + " --pages 1-4", 2, sample + ": --pages 1-4 runs past the end: the last page is 2"},
        {"'" + sample + "'" + out + " --pages x", 2, "--pages expects A-B"},
        {"'" + sample + "'" + out + " --dpi 1201", 2, "--dpi expects a whole number from 1 to 1200"},
        {"'" + sample + "'" + out + " --vscale 0", 2, "--vscale"},
        {"'" + sample + "'" + out + " --paper B5", 2, "--paper expects A3 or A4"},
        {"'" + sample + "'" + out + " --start deep", 2, "--start expects a depth"},
        {"'" + sample + "'" + out + " --colour", 2, "unknown option --colour"},
        {"'" + sample + "'" + out + " --format png", 2, "--format goes with --out-dir"},
        {"'" + sample + "' -o '" + folder.file("out.bmp") + "'", 2, ".pdf, .png or .svg"},
        {"'" + sample + "'", 2, "no output file"},
        {"'" + folder.file("missing.vla") + "'" + out, 3, folder.file("missing.vla") + " ): no such file"},
        {"'" + folder.file("logs") + "'" + out, 3, folder.file("logs") + ": it is a folder"},
        {"'" + folder.file("unknown.txt") + "'" + out, 4,
         folder.file("unknown.txt") + " ): the format is not recognised"},
        {"'" + sample + "' -o '" + folder.file("no/such/folder/out.pdf") + "'", 5, "does not exist"},
    };
    for (const Case& c : cases) {
        const CliRun run = render(folder, c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.errors;
        EXPECT_NE(run.errors.find(c.says), std::string::npos) << c.arguments << "\n" << run.errors;
        EXPECT_TRUE(run.output.empty()) << run.output;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.pdf")));
}

// Reviewed renders of the sample borehole at 50 dpi, and of the first page of
// public exchange files chosen for their difficulty at 40 dpi. After a
// deliberate change of the drawing, look at the new pages and renew the
// images with
//   kolv-cli render INPUT -o tests/fixtures/render/IMAGE OPTIONS
// using the input and options of the table below.
TEST(RenderCli, PagesMatchTheReviewedImages)
{
    struct Case {
        const char* input;  // in the corpus; nullptr: the sample borehole
        const char* image;
        const char* options;
    };
    const char* const denseFile = "xml-real/geofukui-jiban-opendata/18000103101301603/DATA/BED0001.XML";
    const Case cases[] = {
        {nullptr, "harbour-sample-page1-50dpi.png", "--pages 1-1 --dpi 50"},
        {nullptr, "harbour-sample-a3-vscale200-50dpi.png", "--paper A3 --vscale 200 --start 4 --dpi 50"},
        // Long survey name and location, dense tests, samples and thin layers.
        {denseFile, "corpus-dense-page1-40dpi.png", "--paper A3 --pages 1-1 --dpi 40"},
        {denseFile, "corpus-dense-vscale200-40dpi.png", "--paper A3 --vscale 200 --pages 1-1 --dpi 40"},
        // 4.00 loading tests beside another in-situ test of the same depth.
        {"xml-real/boring-rs/BED0400.XML", "corpus-400-page1-40dpi.png", "--paper A3 --pages 1-1 --dpi 40"},
        // Many notes, off-scale tests, an elevation scale from 227 m.
        {"xml-real/geofukui-opendata/BOREHOLE_FUKUI_BED10418000011005.xml", "corpus-notes-page1-40dpi.png",
         "--paper A3 --pages 1-1 --dpi 40"},
        // A deep borehole without tests: its scale numbers under the heading band.
        {"xml-real/geofukui-opendata/BOREHOLE_KIK-NET_BED10117000020009.xml", "corpus-deep-page2-40dpi.png",
         "--paper A3 --pages 2-2 --dpi 40"},
        // A long survey name at 1:200, close tests.
        {"xml-real/geofukui-opendata/BOREHOLE_SHIGA_BED-090610-0002.xml", "corpus-long-name-vscale200-40dpi.png",
         "--paper A3 --vscale 200 --pages 1-1 --dpi 40"},
    };
    test::TemporaryFolder folder;
    for (const Case& c : cases) {
        if (c.input && !test::corpusAvailable())
            continue;
        const std::string input = c.input ? test::corpusDir() + "/" + c.input : sample;
        const std::string rendered = folder.file(c.image);
        const CliRun run = render(folder, "'" + input + "' -o '" + rendered + "' " + c.options);
        ASSERT_EQ(run.status, 0) << run.errors;
        const QImage expected = QImage(QString::fromStdString(std::string(KOLV_FIXTURE_DIR) + "/render/" + c.image))
                                    .convertToFormat(QImage::Format_RGB32);
        const QImage actual = QImage(QString::fromStdString(rendered)).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(expected.isNull()) << c.image;
        ASSERT_EQ(actual.size(), expected.size()) << c.image;
        // Glyph rasterising may differ by a shade between font builds; a
        // moved rule, pattern or text differs by far more than this.
        long differing = 0;
        for (int y = 0; y < actual.height(); ++y)
            for (int x = 0; x < actual.width(); ++x)
                if (std::abs(qGray(actual.pixel(x, y)) - qGray(expected.pixel(x, y))) > 64)
                    ++differing;
        const long pixels = static_cast<long>(actual.width()) * actual.height();
        EXPECT_LT(differing, pixels / 500) << c.image << ": " << differing << " of " << pixels << " pixels differ";
    }
}

}  // namespace
}  // namespace kolv

namespace kolv {
namespace {

// Many logs drawn side by side on worker threads come out exactly as one
// drawn alone: the fonts and the drawing share nothing unsafe.
TEST(RenderCli, BatchOnWorkerThreadsDrawsEveryLogAsAloneAndNamesTheFiles)
{
    test::TemporaryFolder folder;
    const CliRun alone = render(folder, quoted(sample) + " -o " + quoted(folder.file("alone.png")) + " --dpi 60");
    ASSERT_EQ(alone.status, 0) << alone.errors;

    std::string inputs;
    constexpr int copies = 6;
    for (int copy = 1; copy <= copies; ++copy) {
        const std::string input = folder.file("log" + std::to_string(copy) + ".vla");
        std::filesystem::copy_file(sample, input);
        inputs += quoted(input) + " ";
    }
    test::writeFile(folder.file("bad.vla"), "no log\r\n");
    const std::string out = folder.file("out");
    const CliRun batch = render(
        folder, inputs + quoted(folder.file("bad.vla")) + " --out-dir " + quoted(out) + " --format png --dpi 60 -j 3");
    EXPECT_EQ(batch.status, 4) << batch.errors;
    EXPECT_EQ(std::count(batch.output.begin(), batch.output.end(), '\n'), 2 * copies) << batch.output;
    for (int copy = 1; copy <= copies; ++copy)
        for (int page = 1; page <= 2; ++page) {
            const std::string name = "log" + std::to_string(copy) + "-" + std::to_string(page) + ".png";
            EXPECT_NE(batch.output.find(out + "/" + name + "\n"), std::string::npos) << name;
            EXPECT_EQ(test::readFile(out + "/" + name),
                      test::readFile(folder.file("alone-" + std::to_string(page) + ".png")))
                << name;
        }
    EXPECT_NE(batch.errors.find(folder.file("bad.vla") + ": "), std::string::npos) << batch.errors;
    EXPECT_EQ(batch.errors.find("page 1/"), std::string::npos) << "no page lines in a batch";
    EXPECT_NE(batch.errors.find("6 of 7 files done, 1 failed"), std::string::npos) << batch.errors;

    const CliRun pdfs = render(folder, quoted(sample) + " " + quoted(sample) + " --out-dir " + quoted(out) + " -j 1");
    ASSERT_EQ(pdfs.status, 0) << pdfs.errors;
    EXPECT_EQ(pdfs.output, out + "/harbour-sample.pdf\n" + out + "/harbour-sample_2.pdf\n");
    EXPECT_EQ(pdfFacts(out + "/harbour-sample_2.pdf").pages, 2);
}

}  // namespace
}  // namespace kolv
