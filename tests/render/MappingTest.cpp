#include "document/ViewState.h"
#include "render/ColumnLayout.h"
#include "render/LogMapping.h"
#include "render/RecordingDevice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kolv {
namespace {

LogSettings settingsAtScale(int horizontal, int vertical)
{
    LogSettings settings;
    settings.horizontalScale = horizontal;
    settings.verticalScale = vertical;
    settings.leftMargin = 5;
    settings.topMargin = 5;
    return settings;
}

TEST(ColumnLayout, AllWidthSettingsZeroGiveTheFixedBoundaries)
{
    BoringData data;
    const ColumnPositions expected{5,   15,  25,  35,  45,  57,  77,  91,  91,  91,  136, 136, 136, 136, 136,
                                   145, 152, 159, 166, 171, 221, 226, 226, 226, 245, 249, 266, 266, 280};
    const ColumnPositions columnX = computeColumnX(data);
    for (int k = 0; k < columnBoundaryCount; ++k)
        EXPECT_DOUBLE_EQ(columnX[k], expected[k]) << "boundary " << k;
    EXPECT_FALSE(columnVisible(columnX, 8));
    EXPECT_TRUE(columnVisible(columnX, Column::ColorTone));
}

TEST(ColumnLayout, WidthSettingsAreTenthsOfAMillimetreAndCanHideAColumn)
{
    BoringData data;
    data.documentOption(6).value = "-140";  // colour tone, base 14
    data.documentOption(9).value = "15";    // the three blow-count columns, 1.5 mm each
    const ColumnPositions columnX = computeColumnX(data);
    EXPECT_FALSE(columnVisible(columnX, Column::ColorTone));
    EXPECT_DOUBLE_EQ(columnX[Column::ColorTone], columnX[Column::SoilName]);
    EXPECT_DOUBLE_EQ(columnX[Column::ObservationNotes], columnX[Column::SoilName] + 45);
    EXPECT_NEAR(columnX[Column::Blows30] - columnX[Column::NValue], 3 * 8.5, 1e-9);

    data.documentOption(6).value = "-139";  // 0.1 mm left: still a column
    EXPECT_TRUE(columnVisible(computeColumnX(data), Column::ColorTone));
}

TEST(LogMapping, OneMetreAtOneToHundredOnAScreenIs37PixelsBelowTheBodyTop)
{
    RecordingDevice device(96);
    LogMapping mapping;
    prepareMapping(mapping, device, settingsAtScale(100, 100), 0.0);
    mapping.useBody(4.0);
    const double bodyTop = mapping.topMarginMm * mapping.dotsPerMmY + 7 * mapping.headerUnit;
    EXPECT_EQ(static_cast<int>(mapping.toDeviceY(5.0) - bodyTop), 37);
    // The body starts below the top margin and the 7-metre title band.
    EXPECT_EQ(mapping.toDeviceY(4.0), static_cast<int>(5 * mapping.dotsPerMmY + 7 * mapping.headerUnit));
    EXPECT_EQ(mapping.toDeviceX(0.0), static_cast<int>(5 * 96 / 25.4));
    EXPECT_NEAR(mapping.fromDeviceY(mapping.toDeviceY(4.0)), 4.0, 0.05);
}

TEST(LogMapping, TitleBandKeepsTenMillimetreUnitsWhenOnlyTheDepthPartIsScaled)
{
    RecordingDevice device(254);  // 10 dots per millimetre
    LogSettings settings = settingsAtScale(100, 200);
    settings.scaleDepthPartOnly = 1;
    LogMapping mapping;
    prepareMapping(mapping, device, settings, 0.0);
    mapping.useTitleBand();
    EXPECT_NEAR(mapping.toDeviceY(0.0) - mapping.toDeviceY(-7.0), 700, 1);  // 70 mm
    mapping.useBody(0.0);
    EXPECT_NEAR(mapping.toDeviceY(1.0) - mapping.toDeviceY(0.0), 50, 1);  // 5 mm per metre
    EXPECT_NEAR(mapping.toDeviceY(0.0), 50 + 700, 1);

    settings.scaleDepthPartOnly = 0;
    prepareMapping(mapping, device, settings, 0.0);
    mapping.useBody(0.0);
    EXPECT_NEAR(mapping.toDeviceY(0.0), 50 + 350, 1);  // the band follows the depth scale
}

TEST(LogMapping, SheetMillimetresMeasureFromThePaperEdgesAndAreRestored)
{
    RecordingDevice device(254);
    LogMapping mapping;
    prepareMapping(mapping, device, settingsAtScale(100, 100), 0.0);
    mapping.useBody(12.0);
    const LogMapping body = mapping;
    {
        MappingScope scope(mapping);
        mapping.useSheetMillimetres();
        EXPECT_NEAR(mapping.toDeviceY(20.0 - 70.0), 200, 1);
        EXPECT_NEAR(mapping.toDeviceX(30.0), 300, 1);
    }
    EXPECT_EQ(mapping.toDeviceY(13.0), body.toDeviceY(13.0));
    EXPECT_EQ(mapping.toDeviceX(30.0), body.toDeviceX(30.0));
}

TEST(LogMapping, DeviceCoordinatesAreClampedAndBadScalesCountAsHundred)
{
    RecordingDevice device(96);
    LogMapping mapping;
    prepareMapping(mapping, device, settingsAtScale(0, -5), 0.0);
    mapping.useBody(0.0);
    EXPECT_NEAR(mapping.unitY, 1000.0 / 100 * 96 / 25.4, 1e-9);
    EXPECT_NEAR(mapping.unitX, 100.0 / 100 * 96 / 25.4, 1e-9);
    EXPECT_EQ(mapping.toDeviceY(1.0e12), deviceCoordinateLimit);
    EXPECT_EQ(mapping.toDeviceX(-1.0e12), -deviceCoordinateLimit);
    EXPECT_EQ(mapping.toDeviceY(std::numeric_limits<double>::quiet_NaN()), -deviceCoordinateLimit);

    mapping.unitX = 0.0;
    mapping.unitY = 0.00001;
    EXPECT_EQ(mapping.fromDeviceX(100), 0.0);
    EXPECT_EQ(mapping.fromDeviceY(100), 0.0);
}

TEST(Pagination, PageCountAndPageStartDepths)
{
    struct Case {
        double maxDepth;
        double printStart;
        int depthPerPage;
        int overlap;
        int forcedExtra;
        int pages;
    };
    const Case cases[] = {
        {23.5, 0, 10, 1, 0, 3},
        {23.5, 0, 10, 1, 2, 5},
        {0.0, 0, 10, 1, 1, 2},      // no layers: the forced pages and one
        {23.5, 0, 0, 0, 0, 24},     // no depth per page: one metre a page
        {23.5, 0, 5, 5, 0, 24},     // overlap as long as the page
        {23.5, 5000, 10, 0, 0, 1},  // start far below: held at 3000, one page
        {1.0e9, 0, 10, 0, 0, pageCountLimit},
        {23.5, -10, 10, 0, 0, 4},
    };
    for (const Case& c : cases) {
        LogSettings settings;
        settings.printStartDepth = c.printStart;
        settings.depthPerPage = c.depthPerPage;
        settings.pageOverlap = c.overlap;
        settings.forcedExtraPages = c.forcedExtra;
        EXPECT_EQ(pageCount(settings, c.maxDepth), c.pages)
            << c.maxDepth << " from " << c.printStart << " by " << c.depthPerPage << "-" << c.overlap;
    }

    LogSettings settings;
    settings.depthPerPage = 10;
    settings.pageOverlap = 1;
    EXPECT_DOUBLE_EQ(pageStartDepth(settings, 1), 0.0);
    EXPECT_DOUBLE_EQ(pageStartDepth(settings, 3), 18.0);
    settings.printStartDepth = -25.0;
    EXPECT_DOUBLE_EQ(pageStartDepth(settings, 2), -1.0);
}

TEST(Pagination, UsableDepthOfAPaper)
{
    LogSettings settings;
    settings.topMargin = 10;
    EXPECT_EQ(computeUsableDepth(settings, 30, 297 - 32, 100, false), 155);
    EXPECT_EQ(computeUsableDepth(settings, 30, 297 - 32, 200, false), 190);  // band 35 mm
    EXPECT_EQ(computeUsableDepth(settings, 30, 297 - 32, 200, true), 155);   // band stays 70 mm
    EXPECT_EQ(computeUsableDepth(settings, 30, 297 - 32, 0, false), 155);    // scale 0 counts as 100
    EXPECT_EQ(computeUsableDepth(settings, 300, 297 - 32, 100, false), 0);
}

TEST(Pagination, PrinterPaperSetsTheMetresPerPageOnlyWhenUnset)
{
    LogSettings settings;
    settings.topMargin = 5;
    settings.printStartDepth = 4.0;
    ViewState view;
    view.currentPage = 3;

    applyPrinterPaper(settings, view, 0, std::nullopt);
    EXPECT_EQ(view.paperWidth, 280);
    EXPECT_EQ(view.paperLength, 280);
    EXPECT_EQ(view.usableLength, 248);
    EXPECT_EQ(settings.depthPerPage, 17);  // 248 - 5 - 70 = 173 mm at 1:100
    EXPECT_DOUBLE_EQ(settings.printStartDepth, 0.0);
    EXPECT_EQ(view.currentPage, 1);

    applyPrinterPaper(settings, view, 0, PaperSize{297, 420});
    EXPECT_EQ(view.usableLength, 388);
    EXPECT_EQ(settings.depthPerPage, 17);  // already set: kept

    settings.depthPerPage = 0;
    settings.verticalScale = 200;
    applyPrinterPaper(settings, view, 20, PaperSize{297, 420});
    EXPECT_EQ(settings.depthPerPage, (388 - 5 - 20 - 35) * 200 / 1000);
}

TEST(Pagination, ScreenPagingStopsBelowTheLastLayerAndAboveTheGround)
{
    LogSettings settings;
    settings.depthPerPage = 10;
    ViewState view;
    std::vector<double> starts{view.screenPageStart};
    for (int key = 0; key < 10; ++key) {
        nextPage(view, settings, 12.0);
        if (view.screenPageStart != starts.back())
            starts.push_back(view.screenPageStart);
    }
    EXPECT_EQ(starts, (std::vector<double>{0, 10, 20, 30, 40, 50}));
    EXPECT_EQ(view.currentPage, 6);

    view = ViewState{};
    previousPage(view, settings);
    EXPECT_DOUBLE_EQ(view.screenPageStart, -10.0);
    EXPECT_EQ(view.currentPage, 1);
    previousPage(view, settings);
    EXPECT_DOUBLE_EQ(view.screenPageStart, -10.0);

    view.printing = true;
    nextPage(view, settings, 12.0);
    EXPECT_DOUBLE_EQ(view.screenPageStart, -10.0);

    view = ViewState{};
    view.currentPage = 14;  // page count 2 for 12 m
    resetRunawayPage(view, settings, 12.0);
    EXPECT_EQ(view.currentPage, 1);
    view.currentPage = 12;
    resetRunawayPage(view, settings, 12.0);
    EXPECT_EQ(view.currentPage, 12);
}

TEST(Pagination, ScrollAreaFollowsTheScreenWidthAndTheMetresPerPage)
{
    const ScrollArea wide = scrollAreaFor(1280, 17);
    EXPECT_EQ(wide.width, 1337);   // 354 mm at 96 a inch
    EXPECT_EQ(wide.height, 2267);  // 600 mm
    EXPECT_EQ(wide.pageStepY, 2267 / 8);
    EXPECT_EQ(wide.lineStepX, 1337 / 32);
    EXPECT_DOUBLE_EQ(wide.clipWidth, 350.0);

    const ScrollArea narrow = scrollAreaFor(999, 38);
    EXPECT_EQ(narrow.width, 1133);   // 300 mm
    EXPECT_EQ(narrow.height, 3401);  // 900 mm
    EXPECT_DOUBLE_EQ(narrow.clipWidth, 290.0);

    EXPECT_EQ(scrollAreaFor(1280, 107).height, 4535);  // 1200 mm
    EXPECT_EQ(scrollAreaFor(1280, 187).height, 7559);  // 2000 mm
    EXPECT_EQ(scrollAreaFor(1280, 188).height, 9070);  // 2400 mm
}

TEST(Pagination, MaximumDepthIsTheLastOccupiedLayer)
{
    BoringData data;
    EXPECT_DOUBLE_EQ(maximumDepth(data), 0.0);
    data.layerRows.setCell(1, 1, "2.00");
    data.layerRows.setCell(2, 1, "23.50");
    data.layerRows.setCell(4, 1, "40.00");  // behind an unoccupied row: invisible
    EXPECT_DOUBLE_EQ(maximumDepth(data), 23.5);
}

}  // namespace
}  // namespace kolv
