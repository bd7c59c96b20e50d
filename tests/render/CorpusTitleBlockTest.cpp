// The title block of every public exchange file, drawn as kolv-cli draws the
// first page: the harbour title the import gives stays, and a file that
// measured its water level shows it.
#include "data/Cp932Text.h"
#include "document/DocumentRefresh.h"
#include "formats/OpenDocument.h"
#include "platform/Cp932Codec.h"
#include "render/LogFrame.h"
#include "render/LogPage.h"
#include "render/RecordingDevice.h"
#include "settings/SettingsStore.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace kolv {
namespace {

std::vector<std::string> exchangeFiles()
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(test::corpusDir())) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        if (entry.is_regular_file() && extension == ".xml")
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(CorpusTitleBlock, ImportedTitleStaysAndMeasuredWaterLevelsAreShown)
{
    if (!test::corpusAvailable())
        GTEST_SKIP() << "no corpus at " << test::corpusDir();
    test::TemporaryFolder dataRoot;
    const std::string harbourTitle = utf8ToCp932("港 湾 柱 状 図");
    int levelsShown = 0;
    for (const std::string& file : exchangeFiles()) {
        SCOPED_TRACE(file);
        LogSettings settings;
        settings.dataRoot = dataRoot.path();
        settings.installFolderOverride = KOLV_BUNDLED_INSTALL_DIR;
        BoringData data;
        Issues issues;
        clear(data);
        loadSettings(settings, data, true, issues);
        if (openDocumentFile(file, data, settings.soilNameMaster, issues) != OpenStatus::Opened)
            continue;
        ViewState view;
        applyDocumentChange(data, settings, view, issues, PaperSize{297, 420});
        RecordingDevice device(100);
        drawPage(device, data, settings, PageOptions{});
        std::vector<std::string> texts;
        for (const RecordedPrimitive& primitive : device.ofKind(RecordedPrimitive::Kind::Text))
            texts.push_back(primitive.text);
        const auto drawn = [&](const std::string& text) {
            return std::find(texts.begin(), texts.end(), text) != texts.end();
        };
        EXPECT_TRUE(drawn(harbourTitle));
        if (occupiedRowCount(data.waterLevelRows) == 0)
            continue;
        const std::string level = waterLevelText(data);
        EXPECT_TRUE(startsWithText(level, "GL ")) << cp932ToUtf8(level);
        EXPECT_TRUE(drawn(level)) << cp932ToUtf8(level);
        ++levelsShown;
    }
    EXPECT_GT(levelsShown, 20);
}

}  // namespace
}  // namespace kolv
