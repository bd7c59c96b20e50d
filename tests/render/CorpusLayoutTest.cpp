// Every page of every public exchange file and of the bundled samples, drawn
// as kolv-cli draws it on A3 at the depth scales 1:100 and 1:200 (and with
// columns narrowed by a horizontal scale of 1:150): no text leaves the sheet,
// is cut at a page edge or overprints another text.
#include "TextBoxCheck.h"

#include "document/DocumentRefresh.h"
#include "formats/OpenDocument.h"
#include "platform/Cp932Codec.h"
#include "render/LogPage.h"
#include "settings/SettingsStore.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
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
            LogSettings settings;
            settings.dataRoot = dataRoot.path();
            settings.installFolderOverride = KOLV_BUNDLED_INSTALL_DIR;
            BoringData data;
            Issues issues;
            clear(data);
            loadSettings(settings, data, true, issues);
            if (openDocumentFile(file, data, settings.soilNameMaster, issues) != OpenStatus::Opened)
                continue;
            settings.verticalScale = verticalScale;
            settings.horizontalScale = horizontalScale;
            ViewState view;
            applyDocumentChange(data, settings, view, issues, a3);
            const int pages = pageCount(settings, maximumDepth(data));
            for (int page = 1; page <= pages; ++page) {
                RecordingDevice device(dotsPerInch);
                PageOptions options;
                options.page = page;
                drawPage(device, data, settings, options);
                for (const std::string& fault :
                     test::textLayoutFaults(device, {0, 0, pixels(a3.widthMm), pixels(a3.lengthMm)}))
                    ADD_FAILURE() << "page " << page << ": " << fault;
                ++pagesChecked;
            }
        }
    }
    EXPECT_GT(pagesChecked, 60);
}

}  // namespace
}  // namespace kolv
