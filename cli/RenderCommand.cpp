#include "cli/RenderCommand.h"

#include "cli/BandedPng.h"
#include "cli/FileCommand.h"
#include "cli/LogExtent.h"
#include "data/BoringData.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "document/DocumentRefresh.h"
#include "document/PrinterPaper.h"
#include "platform/FileIo.h"
#include "platform/MessageCatalogue.h"
#include "render/LogPage.h"
#include "render/QtPainterDevice.h"
#include "settings/SettingsText.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <optional>
#include <unistd.h>

namespace kolv {

namespace {

constexpr int defaultDotsPerInch = 150;
constexpr int largestDotsPerInch = 1200;
// Below this an A3 page is under 350 pixels wide: no text can be read.
constexpr int smallestReadableDotsPerInch = 30;
// The ranges the scale and depth dialog accepts.
constexpr int smallestScale = 25;
constexpr int largestScale = 500;
constexpr int largestDepthPerPage = 100;

enum class OutputKind { Pdf, Png, Svg };

struct RenderRequest {
    CommandArguments arguments;
    OutputKind kind = OutputKind::Pdf;
    std::optional<std::pair<int, int>> pages;
    int dotsPerInch = defaultDotsPerInch;
    std::optional<int> horizontalScale;
    std::optional<int> verticalScale;
    std::optional<int> depthPerPage;
    std::optional<double> startDepth;
    std::optional<std::string> paperName;
    bool landscape = false;
};

struct UsageError {
    std::string message;
};

std::optional<int> parseInteger(const std::string& text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::optional<double> parseDecimal(const std::string& text)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> integerOption(const CommandArguments& arguments, const char* option, int lowest, int highest)
{
    if (!arguments.has(option))
        return std::nullopt;
    const std::string& text = arguments.value(option);
    const std::optional<int> value = parseInteger(text);
    if (!value || *value < lowest || *value > highest)
        throw UsageError{std::string(option) + " expects a whole number from " + std::to_string(lowest) + " to "
                         + std::to_string(highest) + ": " + text};
    return value;
}

std::pair<int, int> pageRange(const std::string& text)
{
    const std::size_t dash = text.find('-');
    const std::optional<int> first = parseInteger(text.substr(0, dash));
    const std::optional<int> last = dash == std::string::npos ? first : parseInteger(text.substr(dash + 1));
    if (!first || !last)
        throw UsageError{"--pages expects A-B: " + text};
    if (*first < 1)
        throw UsageError{"--pages " + text + ": pages are counted from 1"};
    if (*first > *last)
        throw UsageError{"--pages " + text + " is reversed: the first page comes first (" + std::to_string(*last) + "-"
                         + std::to_string(*first) + ")"};
    return {*first, *last};
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::optional<OutputKind> outputKindNamed(const std::string& extension)
{
    const std::string name = lowerCase(extension);
    if (name == "pdf")
        return OutputKind::Pdf;
    if (name == "png")
        return OutputKind::Png;
    if (name == "svg")
        return OutputKind::Svg;
    return std::nullopt;
}

OutputKind outputKindOf(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    const std::optional<OutputKind> kind =
        outputKindNamed(dot == std::string::npos ? std::string() : path.substr(dot + 1));
    if (!kind)
        throw UsageError{"the output must end in .pdf, .png or .svg (or be - with --format for standard output): "
                         + path};
    return *kind;
}

const char* extensionOf(OutputKind kind)
{
    switch (kind) {
    case OutputKind::Pdf:
        return ".pdf";
    case OutputKind::Png:
        return ".png";
    case OutputKind::Svg:
        return ".svg";
    }
    return ".pdf";
}

RenderRequest parseRequest(const std::vector<std::string>& arguments)
{
    RenderRequest request;
    std::string error;
    if (!parseCommandArguments(arguments,
                               {outputOption, "--pages", "--dpi", "--hscale", "--vscale", "--depth-per-page", "--start",
                                "--paper", "--format", installDirOption, outDirOption, jobsOption},
                               {"--landscape", strictOption}, request.arguments, error))
        throw UsageError{error};
    const CommandArguments& parsed = request.arguments;
    if (parsed.has(outDirOption)) {
        const std::string format = parsed.has("--format") ? parsed.value("--format") : "pdf";
        const std::optional<OutputKind> kind = outputKindNamed(format);
        if (!kind)
            throw UsageError{"--format expects pdf, png or svg: " + format};
        request.kind = *kind;
    } else {
        if (!parsed.has(outputOption))
            throw UsageError{"no output file (-o OUT.pdf, OUT.png or OUT.svg)"};
        const bool toStandardOutput = parsed.value(outputOption) == standardOutputName;
        if (parsed.has("--format") && !toStandardOutput)
            throw UsageError{"--format goes with --out-dir or -o -; with -o the name's extension chooses"};
        if (toStandardOutput) {
            const std::string format = parsed.has("--format") ? parsed.value("--format") : "pdf";
            const std::optional<OutputKind> kind = outputKindNamed(format);
            if (!kind)
                throw UsageError{"--format expects pdf, png or svg: " + format};
            request.kind = *kind;
        } else {
            request.kind = outputKindOf(parsed.value(outputOption));
        }
    }
    if (parsed.has("--pages"))
        request.pages = pageRange(parsed.value("--pages"));
    request.dotsPerInch = integerOption(parsed, "--dpi", 1, largestDotsPerInch).value_or(defaultDotsPerInch);
    request.horizontalScale = integerOption(parsed, "--hscale", smallestScale, largestScale);
    request.verticalScale = integerOption(parsed, "--vscale", smallestScale, largestScale);
    request.depthPerPage = integerOption(parsed, "--depth-per-page", 1, largestDepthPerPage);
    if (parsed.has("--start")) {
        request.startDepth = parseDecimal(parsed.value("--start"));
        if (!request.startDepth)
            throw UsageError{"--start expects a depth in metres: " + parsed.value("--start")};
    }
    request.landscape = parsed.isSet("--landscape");
    if (parsed.has("--paper")) {
        request.paperName = parsed.value("--paper");
        if (!standardPaper(*request.paperName, false))
            throw UsageError{"--paper expects A3 or A4: " + *request.paperName};
    }
    return request;
}

// The sheet: --paper, else the settings' paper defaults (A3 or A4, portrait
// or landscape); --landscape turns either.
PaperSize sheetOf(const RenderRequest& request, const LogSettings& settings)
{
    const std::string name = request.paperName.value_or(settings.paperSize == 1 ? "A4" : "A3");
    const bool landscape = request.landscape || (!request.paperName && settings.paperOrientation == 1);
    return standardPaper(name, landscape).value_or(PaperSize{297, 420});
}

std::string sheetName(const PaperSize& paper)
{
    for (const char* name : {"A3", "A4"})
        for (bool landscape : {false, true}) {
            const PaperSize standard = *standardPaper(name, landscape);
            if (standard.widthMm == paper.widthMm && standard.lengthMm == paper.lengthMm)
                return std::string(name) + (landscape ? " landscape" : " portrait");
        }
    return std::to_string(paper.widthMm) + " x " + std::to_string(paper.lengthMm) + " mm";
}

std::string sheetOptions(const PaperSize& paper)
{
    const std::string name = sheetName(paper);
    return "--paper " + name.substr(0, 2) + (name.find("landscape") != std::string::npos ? " --landscape" : "");
}

std::string millimetres(double value)
{
    return std::to_string(static_cast<int>(std::lround(value))) + " mm";
}

std::string metres(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f m", value);
    return text;
}

// OUT.png stays OUT.png for one page and becomes OUT-<page>.png for several.
std::string pageFileName(const std::string& output, int page, bool severalPages)
{
    if (!severalPages)
        return output;
    const std::size_t dot = output.rfind('.');
    const std::size_t slash = output.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return output + "-" + std::to_string(page);
    return output.substr(0, dot) + "-" + std::to_string(page) + output.substr(dot);
}

int pixelsOf(int millimetres, int dotsPerInch)
{
    return static_cast<int>(std::lround(millimetres * dotsPerInch / 25.4));
}

using PagePainter = std::function<void(QPainter&, int page)>;

QByteArray pdfOf(const PaperSize& paper, int dotsPerInch, int firstPage, int lastPage, const PagePainter& paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("kolv"));
        writer.setResolution(dotsPerInch);
        writer.setPageSize(
            QPageSize(QSizeF(paper.widthMm, paper.lengthMm), QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        for (int page = firstPage; page <= lastPage; ++page) {
            if (page > firstPage)
                writer.newPage();
            paint(painter, page);
        }
    }
    return bytes;
}

QByteArray pngOf(const PaperSize& paper, int dotsPerInch, int page, const PagePainter& paint)
{
    return bandedPng(pixelsOf(paper.widthMm, dotsPerInch), pixelsOf(paper.lengthMm, dotsPerInch), dotsPerInch,
                     [&](QPainter& painter) { paint(painter, page); });
}

QByteArray svgOf(const PaperSize& paper, int dotsPerInch, int page, const PagePainter& paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSize size(pixelsOf(paper.widthMm, dotsPerInch), pixelsOf(paper.lengthMm, dotsPerInch));
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(dotsPerInch);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(QStringLiteral("kolv"));
    {
        QPainter painter(&generator);
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        paint(painter, page);
    }
    return bytes;
}

bool writeOutput(const std::string& path, const QByteArray& bytes, FileReport& report)
{
    if (!bytes.isEmpty() && writeFileAtomically(path, std::string_view(bytes.constData(), bytes.size()))) {
        report.wrote(path);
        return true;
    }
    report.setOutput(path);
    showIssues(report, {issueOf(Message::SaveFailed, MessageKind::Error)});
    return false;
}

// The depth of the deepest layer or penetration test; 0 for an empty log.
double deepestRecord(const BoringData& data)
{
    const int tests = occupiedRowCount(data.sptRows);
    const double deepestTest = tests > 0 ? parseLeadingNumber(data.sptRows.cell(tests, SptCell::Depth)) : 0.0;
    return std::max(maximumDepth(data), deepestTest);
}

// Says on stderr when the pages asked for show nothing of the log: an empty
// document, a start depth or a page range at or below its last layer or test.
void warnWhenEmpty(const BoringData& data, const LogSettings& settings, int firstPage, int lastPage, FileReport& report)
{
    if (occupiedRowCount(data.layerRows) == 0 && occupiedRowCount(data.sptRows) == 0) {
        report.warn("the document holds no layer and no penetration test: the log is empty");
        return;
    }
    // A page starting at the last record shows at most its bottom rule.
    const double deepest = deepestRecord(data) - 1e-6;
    const std::string last = " the last layer or test (" + metres(deepestRecord(data)) + ")";
    if (settings.printStartDepth >= deepest) {
        report.warn("the start depth " + metres(settings.printStartDepth) + " lies at or below" + last
                    + ": the pages show no layer or test");
    } else if (pageStartDepth(settings, firstPage) >= deepest) {
        const bool one = firstPage == lastPage;
        report.warn((one ? "page " + std::to_string(firstPage) + " starts at "
                         : "pages " + std::to_string(firstPage) + "-" + std::to_string(lastPage) + " start at ")
                    + metres(pageStartDepth(settings, firstPage)) + ", at or below" + last + ": "
                    + (one ? "it shows" : "they show") + " no layer or test");
    }
}

// Says on stderr when the log at the chosen scales is wider or taller than
// the sheet, and which options make it fit.
void warnWhenCutOff(const BoringData& data, const LogSettings& settings, const PaperSize& paper, int page,
                    bool depthFollowsSheet, FileReport& report)
{
    const LogExtent extent = measureLogExtent(data, settings, page);
    if (fitsOnSheet(extent, paper))
        return;
    const bool tooWide = extent.widthMm > paper.widthMm + 0.5;
    const bool tooLong = extent.heightMm > paper.lengthMm + 0.5;
    std::vector<std::string> remedies;
    for (const char* name : {"A3", "A4"})
        for (bool landscape : {false, true}) {
            const PaperSize other = *standardPaper(name, landscape);
            if (other.widthMm == paper.widthMm && other.lengthMm == paper.lengthMm)
                continue;
            // With the metres per page taken from the sheet, the log's length follows the paper.
            const bool lengthFits = depthFollowsSheet || extent.heightMm <= other.lengthMm + 0.5;
            if (extent.widthMm <= other.widthMm + 0.5 && lengthFits)
                remedies.push_back(sheetOptions(other));
        }
    if (tooWide && !tooLong) {
        if (const int scale = fittingHorizontalScale(data, settings, page, paper))
            remedies.push_back("--hscale " + std::to_string(scale));
    }
    if (tooLong && !depthFollowsSheet)
        remedies.push_back(std::string(tooWide ? "--hscale with " : "") + "a smaller --depth-per-page");
    const char* cut = tooWide && tooLong ? "right and lower parts are" : tooWide ? "right part is" : "lower part is";
    std::string text = "the log is " + millimetres(extent.widthMm) + " wide and " + millimetres(extent.heightMm)
        + " long, the sheet (" + sheetName(paper) + ") " + std::to_string(paper.widthMm) + " x "
        + std::to_string(paper.lengthMm) + " mm: its " + cut + " cut off";
    for (std::size_t index = 0; index < remedies.size(); ++index)
        text += (index == 0 ? "; " : index + 1 == remedies.size() ? " or " : ", ") + remedies[index];
    if (!remedies.empty())
        text += remedies.size() == 1 ? " makes it fit" : " make it fit";
    report.warn(text);
}

// Draws the log of task.input into task.output; with rendered, also says what
// was drawn and keeps page 1 as a small image. An empty output draws nothing
// but the thumbnail.
int renderFile(const RenderRequest& request, const CommandSession& session, const FileTask& task, FileReport& report,
               RenderedLog* rendered = nullptr)
{
    LogSettings settings = session.settings;
    if (request.horizontalScale)
        settings.horizontalScale = *request.horizontalScale;
    if (request.verticalScale)
        settings.verticalScale = *request.verticalScale;
    if (request.depthPerPage) {
        settings.depthPerPage = *request.depthPerPage;
        if (settings.pageOverlap >= settings.depthPerPage)
            settings.pageOverlap = 0;
    }
    const bool depthFollowsSheet = settings.depthPerPage <= 0;
    const PaperSize paper = sheetOf(request, settings);
    BoringData data;
    ViewState view;
    const int opened = openCommandFile(session, task.input, settings, data, view, paper, report);
    if (opened != ExitCode::Success)
        return opened;
    if (request.startDepth)
        settings.printStartDepth = clampPrintStartDepth(*request.startDepth);

    const int pages = pageCount(settings, measuredLogDepth(data, settings, request.dotsPerInch));
    const auto [firstPage, lastPage] = request.pages.value_or(std::pair{1, pages});
    if (lastPage > pages) {
        report.error("--pages " + std::to_string(firstPage) + "-" + std::to_string(lastPage)
                     + " runs past the end: the last page is " + std::to_string(pages));
        return ExitCode::UsageError;
    }

    warnWhenEmpty(data, settings, firstPage, lastPage, report);
    warnWhenCutOff(data, settings, paper, firstPage, depthFollowsSheet, report);

    if (rendered) {
        rendered->pages = pages;
        rendered->layers = occupiedRowCount(data.layerRows);
        rendered->tests = occupiedRowCount(data.sptRows);
        rendered->depth = std::max(maximumDepth(data), parseLeadingNumber(data.headingLine(HeadingLine::FinalDepth)));
        rendered->name = data.headingLine(HeadingLine::BoringName);
        const PagePainter quiet = [&](QPainter& painter, int page) {
            QtPainterDevice device(painter);
            PageOptions options;
            options.printing = true;
            options.page = page;
            drawPage(device, data, settings, options);
        };
        const QByteArray thumbnail = pngOf(paper, rendered->thumbnailDotsPerInch, firstPage, quiet);
        rendered->thumbnailPng.assign(thumbnail.constData(), static_cast<std::size_t>(thumbnail.size()));
    }
    if (task.output.empty())
        return ExitCode::Success;

    const int pagesDrawn = lastPage - firstPage + 1;
    const PagePainter paint = [&](QPainter& painter, int page) {
        if (pagesDrawn > 1)
            report.progress("page " + std::to_string(page) + "/" + std::to_string(pages));
        QtPainterDevice device(painter);
        PageOptions options;
        options.printing = true;
        options.page = page;
        showIssues(report, drawPage(device, data, settings, options));
    };

    if (request.kind == OutputKind::Pdf) {
        const QByteArray bytes = pdfOf(paper, request.dotsPerInch, firstPage, lastPage, paint);
        return writeOutput(task.output, bytes, report) ? ExitCode::Success : ExitCode::CannotWrite;
    }
    if (pagesDrawn > 1 && isStandardOutput(task.output)) {
        report.error("standard output takes one " + std::string(request.kind == OutputKind::Png ? "PNG" : "SVG")
                     + " page: choose it with --pages N, or write PDF");
        return ExitCode::UsageError;
    }
    for (int page = firstPage; page <= lastPage; ++page) {
        const QByteArray bytes = request.kind == OutputKind::Png ? pngOf(paper, request.dotsPerInch, page, paint)
                                                                 : svgOf(paper, request.dotsPerInch, page, paint);
        if (!writeOutput(pageFileName(task.output, page, pagesDrawn > 1), bytes, report))
            return ExitCode::CannotWrite;
    }
    return ExitCode::Success;
}

}  // namespace

int renderLogPdf(const CommandSession& session, const FileTask& task, FileReport& report, RenderedLog& rendered)
{
    return renderFile(RenderRequest(), session, task, report, &rendered);
}

int runWithDrawing(const std::function<int()>& work)
{
    // Rendering needs no display: Qt's offscreen platform unless one was chosen.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // A batch run (cron, CI, a service) often has no per-user runtime folder;
    // Qt then warns on every run. The offscreen platform keeps nothing there,
    // so a private folder of its own is enough.
    char runtimeFolder[] = "/tmp/kolv-runtime-XXXXXX";
    const bool ownRuntimeFolder = !std::getenv("XDG_RUNTIME_DIR") && mkdtemp(runtimeFolder);
    if (ownRuntimeFolder)
        setenv("XDG_RUNTIME_DIR", runtimeFolder, 1);
    static int qtArgumentCount = 1;
    static char programName[] = "kolv-cli";
    static char* qtArguments[] = {programName, nullptr};
    int status = 0;
    {
        QGuiApplication application(qtArgumentCount, qtArguments);
        // Font substitutions are global: set them before any worker draws.
        installFontSubstitutions();
        status = work();
    }
    if (ownRuntimeFolder)
        rmdir(runtimeFolder);
    return status;
}

int runRenderCommand(const std::vector<std::string>& arguments)
{
    RenderRequest request;
    try {
        request = parseRequest(arguments);
    } catch (const UsageError& error) {
        return usageError(error.message, "render");
    }
    if (request.dotsPerInch < smallestReadableDotsPerInch)
        std::cerr << "kolv-cli: warning: --dpi " << request.dotsPerInch << " is below " << smallestReadableDotsPerInch
                  << ": the text of the log cannot be read" << std::endl;
    return runWithDrawing([&request] {
        const FileCommand command{"render", "OUT.pdf|OUT.png|OUT.svg", extensionOf(request.kind)};
        return runFileCommand(command, request.arguments,
                              [&request](const CommandSession& session, const FileTask& task, FileReport& report) {
                                  return renderFile(request, session, task, report);
                              });
    });
}

}  // namespace kolv
