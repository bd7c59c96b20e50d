#include "cli/RenderCommand.h"

#include "cli/CommandDocument.h"
#include "cli/CommandLine.h"
#include "data/BoringData.h"
#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"
#include "platform/Prompter.h"
#include "render/DocumentChange.h"
#include "render/LogPage.h"
#include "render/PrinterPaper.h"
#include "render/QtPainterDevice.h"
#include "settings/SettingsText.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <unistd.h>
#include <functional>
#include <iostream>
#include <optional>

namespace kolv {

namespace {

constexpr int defaultDotsPerInch = 150;
constexpr int largestDotsPerInch = 1200;
// The ranges the scale and depth dialog accepts.
constexpr int smallestScale = 25;
constexpr int largestScale = 500;
constexpr int largestDepthPerPage = 100;

enum class OutputKind { Pdf, Png, Svg };

struct RenderRequest {
    CommandArguments arguments;
    std::string output;
    OutputKind kind = OutputKind::Pdf;
    std::optional<std::pair<int, int>> pages;
    int dotsPerInch = defaultDotsPerInch;
    std::optional<int> horizontalScale;
    std::optional<int> verticalScale;
    std::optional<int> depthPerPage;
    std::optional<double> startDepth;
    std::optional<PaperSize> paper;
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
    return {*first, *last};
}

OutputKind outputKindOf(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    std::string extension = dot == std::string::npos ? std::string() : path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "pdf")
        return OutputKind::Pdf;
    if (extension == "png")
        return OutputKind::Png;
    if (extension == "svg")
        return OutputKind::Svg;
    throw UsageError{"the output must end in .pdf, .png or .svg: " + path};
}

RenderRequest parseRequest(const std::vector<std::string>& arguments)
{
    RenderRequest request;
    std::string error;
    if (!parseCommandArguments(arguments,
                               {"-o", "--pages", "--dpi", "--hscale", "--vscale", "--depth-per-page", "--start",
                                "--paper", installDirOption},
                               {"--landscape"}, request.arguments, error))
        throw UsageError{error};
    const CommandArguments& parsed = request.arguments;
    if (!parsed.has("-o"))
        throw UsageError{"no output file (-o)"};
    request.output = parsed.value("-o");
    request.kind = outputKindOf(request.output);
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
    if (parsed.has("--paper")) {
        request.paper = standardPaper(parsed.value("--paper"), parsed.switches.count("--landscape") > 0);
        if (!request.paper)
            throw UsageError{"--paper expects A3 or A4: " + parsed.value("--paper")};
    }
    return request;
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
        writer.setPageSize(QPageSize(QSizeF(paper.widthMm, paper.lengthMm), QPageSize::Millimeter, QString(),
                                     QPageSize::ExactMatch));
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
    QImage image(pixelsOf(paper.widthMm, dotsPerInch), pixelsOf(paper.lengthMm, dotsPerInch), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paint(painter, page);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
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

// The host path is not code page 932, so the message is written here rather
// than through the prompter.
bool writeOutput(const std::string& path, const QByteArray& bytes)
{
    if (!bytes.isEmpty() && writeFileAtomically(path, std::string_view(bytes.constData(), bytes.size())))
        return true;
    std::cerr << cp932ToUtf8(saveFailedMessage()) << " (" << path << ")" << std::endl;
    return false;
}

int render(const RenderRequest& request)
{
    StderrPrompter prompter;
    LogSettings settings;
    BoringData data;
    const int opened = openCommandDocument(request.arguments, settings, data, prompter);
    if (opened != ExitCode::Success)
        return opened;

    if (request.horizontalScale)
        settings.horizontalScale = *request.horizontalScale;
    if (request.verticalScale)
        settings.verticalScale = *request.verticalScale;
    if (request.depthPerPage) {
        settings.depthPerPage = *request.depthPerPage;
        if (settings.pageOverlap >= settings.depthPerPage)
            settings.pageOverlap = 0;
    }
    ViewState view;
    applyDocumentChange(data, settings, view, prompter, request.paper);
    if (request.startDepth)
        settings.printStartDepth = clampPrintStartDepth(*request.startDepth);

    const int pages = pageCount(settings, maximumDepth(data));
    const auto [firstPage, lastPage] = request.pages.value_or(std::pair{1, pages});
    if (firstPage < 1 || lastPage > pages || firstPage > lastPage) {
        return usageError("--pages " + std::to_string(firstPage) + "-" + std::to_string(lastPage)
                          + " lies outside the pages 1-" + std::to_string(pages));
    }

    const int pagesDrawn = lastPage - firstPage + 1;
    const PaperSize paper = request.paper.value_or(PaperSize{view.paperWidth, view.paperLength});
    const PagePainter paint = [&](QPainter& painter, int page) {
        if (pagesDrawn > 1)
            std::cerr << "page " << page << "/" << pages << std::endl;
        QtPainterDevice device(painter);
        PageOptions options;
        options.printing = true;
        options.page = page;
        drawPage(device, data, settings, prompter, options);
    };

    if (request.kind == OutputKind::Pdf) {
        const QByteArray bytes = pdfOf(paper, request.dotsPerInch, firstPage, lastPage, paint);
        return writeOutput(request.output, bytes) ? ExitCode::Success : ExitCode::CannotWrite;
    }
    for (int page = firstPage; page <= lastPage; ++page) {
        const QByteArray bytes = request.kind == OutputKind::Png ? pngOf(paper, request.dotsPerInch, page, paint)
                                                                  : svgOf(paper, request.dotsPerInch, page, paint);
        if (!writeOutput(pageFileName(request.output, page, pagesDrawn > 1), bytes))
            return ExitCode::CannotWrite;
    }
    return ExitCode::Success;
}

}  // namespace

int runRenderCommand(const std::vector<std::string>& arguments)
{
    RenderRequest request;
    try {
        request = parseRequest(arguments);
    } catch (const UsageError& error) {
        return usageError(error.message);
    }
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
        status = render(request);
    }
    if (ownRuntimeFolder)
        rmdir(runtimeFolder);
    return status;
}

}  // namespace kolv
