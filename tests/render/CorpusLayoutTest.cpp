// Every page of every public exchange file and of the bundled samples, drawn
// as kolv-cli draws it on A3 at the depth scales 1:100 and 1:200 (and with
// columns narrowed by a horizontal scale of 1:150): no text leaves the sheet,
// is cut at a page edge or overprints another text.
#include "TextBoxCheck.h"

#include "data/Cp932Text.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "document/DocumentRefresh.h"
#include "formats/OpenDocument.h"
#include "platform/Cp932Codec.h"
#include "render/ColumnLayout.h"
#include "render/LogMapping.h"
#include "render/LogPage.h"
#include "render/RecordingDevice.h"
#include "settings/SettingsStore.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace kolv {
namespace {

constexpr int dotsPerInch = 100;
constexpr PaperSize a3{297, 420};

std::vector<std::string> logFiles()
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(test::corpusDir())) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        if (entry.is_regular_file() && extension == ".xml")
            files.push_back(entry.path().string());
    }
    for (const auto& entry : std::filesystem::directory_iterator(std::string(KOLV_SOURCE_DIR) + "/share/samples"))
        files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

int pixels(int millimetres)
{
    return static_cast<int>(std::lround(millimetres * dotsPerInch / 25.4));
}

// A corpus document opened and refreshed as kolv-cli opens it for A3.
struct OpenedLog {
    LogSettings settings;
    BoringData data;
    bool opened = false;
};

std::unique_ptr<OpenedLog> openLog(const std::string& file, const std::string& dataRoot, int verticalScale,
                                   int horizontalScale)
{
    auto log = std::make_unique<OpenedLog>();
    log->settings.dataRoot = dataRoot;
    log->settings.installFolderOverride = KOLV_BUNDLED_INSTALL_DIR;
    Issues issues;
    clear(log->data);
    loadSettings(log->settings, log->data, true, issues);
    if (openDocumentFile(file, log->data, log->settings.soilNameMaster, issues) != OpenStatus::Opened)
        return log;
    log->settings.verticalScale = verticalScale;
    log->settings.horizontalScale = horizontalScale;
    ViewState view;
    applyDocumentChange(log->data, log->settings, view, issues, a3);
    log->opened = true;
    return log;
}

TEST(CorpusLayout, NoTextOverlapsAnotherOrLeavesTheSheet)
{
    if (!test::corpusAvailable())
        GTEST_SKIP() << "no corpus at " << test::corpusDir();
    test::TemporaryFolder dataRoot;
    int pagesChecked = 0;
    for (const std::string& file : logFiles()) {
        for (const auto& [verticalScale, horizontalScale] : {std::pair{100, 100}, {200, 100}, {100, 150}}) {
            SCOPED_TRACE(file + " at 1:" + std::to_string(verticalScale) + ", 1:" + std::to_string(horizontalScale)
                         + " across");
            const auto log = openLog(file, dataRoot.path(), verticalScale, horizontalScale);
            if (!log->opened)
                continue;
            const LogSettings& settings = log->settings;
            const BoringData& data = log->data;
            RecordingDevice measuring(dotsPerInch);
            const int pages = logPageCount(measuring, data, settings);
            for (int page = 1; page <= pages; ++page) {
                RecordingDevice device(dotsPerInch);
                PageOptions options;
                options.page = page;
                drawPage(device, data, settings, options);
                for (const std::string& fault :
                     test::textLayoutFaults(device, {0, 0, pixels(a3.widthMm), pixels(a3.lengthMm)}))
                    ADD_FAILURE() << "page " << page << ": " << fault;
                for (const std::string& fault : test::struckTexts(device, pixels(a3.widthMm)))
                    ADD_FAILURE() << "page " << page << ": " << fault;
                ++pagesChecked;
            }
        }
    }
    EXPECT_GT(pagesChecked, 60);
}

// Every layer with a name shows it, and its pattern where it has a pattern
// code, over its whole depth: a colour that changes inside the layer steps
// only the colour column.
TEST(CorpusLayout, EveryNamedLayerShowsItsNameAndPatternOverItsDepth)
{
    if (!test::corpusAvailable())
        GTEST_SKIP() << "no corpus at " << test::corpusDir();
    test::TemporaryFolder dataRoot;
    int layersChecked = 0;
    for (const std::string& file : logFiles()) {
        SCOPED_TRACE(file);
        const auto log = openLog(file, dataRoot.path(), 100, 100);
        if (!log->opened)
            continue;
        const BoringData& data = log->data;
        const auto& layers = data.layerRows;
        const int rows = occupiedRowCount(layers);
        RecordingDevice measuring(dotsPerInch);
        const int pages = logPageCount(measuring, data, log->settings);
        std::vector<RecordingDevice> drawn;
        for (int page = 1; page <= pages; ++page) {
            drawn.emplace_back(dotsPerInch);
            PageOptions options;
            options.page = page;
            drawPage(drawn.back(), data, log->settings, options);
        }
        const ColumnPositions x = computeColumnX(data);
        double top = 0.0;
        for (int row = 1; row <= rows; ++row) {
            const double bottom = parseLeadingNumber(layers.cell(row, LayerCell::LowerDepth));
            const std::string& name = layers.cell(row, LayerCell::Name);
            if (skipLeadingBlanks(name).empty())
                continue;  // a colour step: the layer below goes on through it
            bool nameShown = false;
            for (int page = 1; page <= pages; ++page) {
                const RecordingDevice& device = drawn[static_cast<std::size_t>(page - 1)];
                for (const auto& text : test::visibleTextBoxes(device))
                    nameShown = nameShown || text.text.find(name) != std::string::npos;
                const double pageStart = pageStartDepth(log->settings, page);
                const double partTop = std::max(top, pageStart);
                const double partBottom = std::min(bottom, pageStart + log->settings.depthPerPage);
                const bool patterned = parseLeadingInteger(layers.cell(row, LayerCell::VectorPatternCode)) >= 1;
                if (!patterned || partBottom - partTop < 0.1)
                    continue;
                LogMapping mapping;
                RecordingDevice metrics(dotsPerInch);
                prepareMapping(mapping, metrics, log->settings, maximumDepth(data));
                mapping.useBody(pageStart);
                const int left = mapping.toDeviceX(x[Column::Thickness]);
                const int right = mapping.toDeviceX(x[Column::SoilSymbol]);
                // Some figure of the pattern in each half of the part (of a
                // part over a metre deep; in the whole of a thinner one).
                const double middle = partBottom - partTop > 1.0 ? (partTop + partBottom) / 2 : partBottom;
                for (const auto& [halfTop, halfBottom] : {std::pair{partTop, middle}, {middle, partBottom}}) {
                    if (halfBottom <= halfTop)
                        continue;
                    const int upper = mapping.toDeviceY(halfTop);
                    const int lower = mapping.toDeviceY(halfBottom);
                    const bool drawnThere =
                        std::any_of(device.primitives.begin(), device.primitives.end(), [&](const auto& primitive) {
                            using Kind = RecordedPrimitive::Kind;
                            if (primitive.kind == Kind::Text || primitive.kind == Kind::WrappedText
                                || primitive.kind == Kind::Clip || primitive.kind == Kind::ResetClip)
                                return false;
                            DeviceRect box = primitive.rect;
                            if (!primitive.points.empty()) {
                                box = {primitive.points.front().x, primitive.points.front().y,
                                       primitive.points.front().x, primitive.points.front().y};
                                for (const DevicePoint& point : primitive.points)
                                    box = {std::min(box.left, point.x), std::min(box.top, point.y),
                                           std::max(box.right, point.x), std::max(box.bottom, point.y)};
                            }
                            return box.right > left && box.left < right && box.bottom > upper && box.top < lower
                                && !(box.top == box.bottom && (box.top == upper || box.top == lower));
                        });
                    EXPECT_TRUE(drawnThere) << "row " << row << " \"" << cp932ToUtf8(name) << "\" has no pattern from "
                                            << halfTop << " to " << halfBottom << " m on page " << page;
                }
            }
            EXPECT_TRUE(nameShown) << "row " << row << " \"" << cp932ToUtf8(name) << "\" is not shown";
            ++layersChecked;
            top = bottom;
        }
    }
    EXPECT_GT(layersChecked, 200);
}

}  // namespace
}  // namespace kolv
