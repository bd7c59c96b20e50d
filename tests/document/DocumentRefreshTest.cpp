// The step that follows every load and reset: captions, the print start
// depth, the paper and the soil patterns' vector codes.
#include "document/DocumentRefresh.h"
#include "formats/OpenDocument.h"
#include "settings/SettingsStore.h"
#include "support/SmallBorehole.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace kolv {
namespace {

using test::sjis;

using test::boreholeOf25Metres;

TEST(DocumentChange, CaptionsTitleStartDepthAndQuScale)
{
    test::TemporaryFolder dataRoot;
    LogSettings settings;
    settings.dataRoot = dataRoot.path();
    settings.installFolderOverride = KOLV_BUNDLED_INSTALL_DIR;
    BoringData data;
    data.documentOption(16).value = "-25";
    data.documentOption(23).value = "0";
    data.setHeadingLine(70, sjis("港 湾 柱 状 図"));
    ViewState view;
    view.currentPage = 4;
    Issues issues;

    applyDocumentChange(data, settings, view, issues, std::nullopt);
    EXPECT_EQ(data.headingLine(41), sjis("主任技師"));
    EXPECT_EQ(data.headingLine(44), sjis("ボーリング責任者"));
    EXPECT_EQ(data.headingLine(70), sjis("土 質 柱 状 図"));
    EXPECT_EQ(data.documentOption(23).value, "500");
    EXPECT_DOUBLE_EQ(settings.printStartDepth, -10.0);
    EXPECT_DOUBLE_EQ(view.screenPageStart, -10.0);
    EXPECT_EQ(view.currentPage, 1);
    EXPECT_EQ(view.paperLength, 280);
    EXPECT_GT(settings.depthPerPage, 0);

    // Captions already given: the title stays as the document has it.
    data.setHeadingLine(41, sjis("管理技術者"));
    data.setHeadingLine(70, sjis("港 湾 柱 状 図"));
    data.documentOption(16).value = "4.5";
    applyDocumentChange(data, settings, view, issues, PaperSize{297, 420});
    EXPECT_EQ(data.headingLine(70), sjis("港 湾 柱 状 図"));
    EXPECT_EQ(data.headingLine(41), sjis("管理技術者"));
    EXPECT_DOUBLE_EQ(view.screenPageStart, 4.5);
    EXPECT_EQ(view.paperLength, 420);
}

// Files of other formats arrive without engineer captions; the import gives
// them the defaults, so that the harbour title it sets is kept.
TEST(DocumentChange, ConvertedFilesKeepTheHarbourTitle)
{
    test::TemporaryFolder dataRoot;
    for (const std::string& file : {std::string(KOLV_SOURCE_DIR) + "/share/samples/harbour-quay-no2.xml",
                                    std::string(KOLV_FIXTURE_DIR) + "/formats/sibling-a.vle",
                                    std::string(KOLV_FIXTURE_DIR) + "/formats/sibling-b.vlo"}) {
        SCOPED_TRACE(file);
        LogSettings settings;
        settings.dataRoot = dataRoot.path();
        settings.installFolderOverride = KOLV_BUNDLED_INSTALL_DIR;
        BoringData data;
        Issues issues;
        clear(data);
        loadSettings(settings, data, true, issues);
        ASSERT_EQ(openDocumentFile(file, data, settings.soilNameMaster, issues), OpenStatus::Opened);
        ViewState view;
        applyDocumentChange(data, settings, view, issues, std::nullopt);
        EXPECT_EQ(data.headingLine(70), sjis("港 湾 柱 状 図"));
        EXPECT_FALSE(data.headingLine(41).empty());
    }
}

TEST(DocumentChange, VectorCodesAreRebuiltSoTheDefaultPatternChoiceDrawsPatterns)
{
    test::TemporaryFolder dataRoot;
    LogSettings settings;
    settings.dataRoot = dataRoot.path();
    settings.installFolderOverride = KOLV_BUNDLED_INSTALL_DIR;
    BoringData data = boreholeOf25Metres();
    ViewState view;
    Issues issues;
    applyDocumentChange(data, settings, view, issues, std::nullopt);
    EXPECT_FALSE(data.layerRows.cell(1, 12).empty());
    EXPECT_FALSE(data.layerRows.cell(2, 12).empty());
}

}  // namespace
}  // namespace kolv
