#include "render/LogMapping.h"
#include "render/LogPage.h"
#include "render/QtPainterDevice.h"
#include "render/RecordingDevice.h"
#include "support/SmallBorehole.h"
#include "support/TestSupport.h"

#include "DeviceTestApplication.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>

namespace kolv {
namespace {

using test::sjis;
using Kind = RecordedPrimitive::Kind;

LogSettings pageSettings()
{
    LogSettings settings;
    settings.leftMargin = 5;
    settings.topMargin = 5;
    settings.innerLineWidth = 1;
    settings.outerLineWidth = 2;
    settings.depthPerPage = 10;
    for (FontSlot& slot : settings.fontSlots)
        slot.size = 9.0;
    return settings;
}

using test::boreholeOf25Metres;

TEST(PagePass, PrintedPagesStartAtTheirOwnDepthAndClipTheBody)
{
    const BoringData data = boreholeOf25Metres();
    LogSettings settings = pageSettings();
    settings.pageOverlap = 2;
    RecordingDevice device(96);
    PageOptions options;
    options.page = 3;
    const Issues issues = drawPage(device, data, settings, options);

    // Page 3 starts at 2 x (10 - 2) = 16 m: the scale is numbered 16 to 26.
    EXPECT_EQ(device.textsEqualTo("16").size(), 1u);
    EXPECT_EQ(device.textsEqualTo("26").size(), 1u);
    EXPECT_TRUE(device.textsEqualTo("15").empty());

    LogMapping body;
    prepareMapping(body, device, settings, 25.0);
    body.useBody(16.0);
    const auto clips = device.ofKind(Kind::Clip);
    ASSERT_FALSE(clips.empty());
    EXPECT_EQ(clips[0].rect.left, body.toDeviceX(0.0));
    EXPECT_EQ(clips[0].rect.right, body.toDeviceX(350.0));
    EXPECT_EQ(clips[0].rect.top, body.toDeviceY(16.0));
    EXPECT_EQ(clips[0].rect.bottom, body.toDeviceY(26.0));
    // The body clip is removed again before the free notes and the footer.
    const auto lastReset = std::find_if(device.primitives.rbegin(), device.primitives.rend(),
                                        [](const RecordedPrimitive& p) { return p.kind == Kind::ResetClip; });
    const auto lastClip = std::find_if(device.primitives.rbegin(), device.primitives.rend(),
                                       [](const RecordedPrimitive& p) { return p.kind == Kind::Clip; });
    EXPECT_LT(lastReset - device.primitives.rbegin(), lastClip - device.primitives.rbegin());
    EXPECT_TRUE(issues.empty());
}

TEST(PagePass, AFontThatCannotBeMadeIsReportedOncePerPass)
{
    const BoringData data = boreholeOf25Metres();
    LogSettings settings = pageSettings();
    settings.fontSlots[2].size = 1.0e9;  // the body font, chosen many times on a page
    for (int pass = 0; pass < 2; ++pass) {
        RecordingDevice device(96);
        const Issues issues = drawPage(device, data, settings, PageOptions{});
        ASSERT_EQ(issues.size(), 1u) << "pass " << pass;
        EXPECT_EQ(issues[0].text, "Can't create font");
        EXPECT_FALSE(device.primitives.empty());
    }
}

TEST(PagePass, ScreenDrawingOffLeavesTheScreenBlankButPrints)
{
    const BoringData data = boreholeOf25Metres();
    LogSettings settings = pageSettings();
    settings.screenDrawing = false;
    RecordingDevice screen;
    PageOptions onScreen;
    onScreen.printing = false;
    drawPage(screen, data, settings, onScreen);
    EXPECT_TRUE(screen.primitives.empty());

    RecordingDevice printer;
    drawPage(printer, data, settings, PageOptions{});
    EXPECT_FALSE(printer.primitives.empty());
}

TEST(PagePass, TheScreenPageStartsAtTheScreenStartAndShowsTheGround)
{
    const BoringData data = boreholeOf25Metres();
    const LogSettings settings = pageSettings();
    RecordingDevice screen;
    PageOptions options;
    options.printing = false;
    options.screenPageStart = -10.0;
    options.clipWidth = 290.0;
    drawPage(screen, data, settings, options);
    EXPECT_EQ(screen.textsEqualTo("-10").size(), 1u);
    EXPECT_EQ(screen.textsEqualTo("GL").size(), 2u);

    LogMapping body;
    prepareMapping(body, screen, settings, 25.0);
    EXPECT_EQ(screen.ofKind(Kind::Clip)[0].rect.right, body.toDeviceX(290.0));
}

// Every cell of every table holds nonsense, the settings are broken: the pass
// still completes on every page, quickly and without a flood of primitives.
TEST(PagePass, NonsenseEverywhereStillDrawsEveryPage)
{
    const char* const nonsense[] = {"",    "abc", "1e308", "-1e308", "nan",      "-",    "99999999999999999999",
                                    "0/0", "50/", "/12",   "-5",     "\x81\x40", "12.5m"};
    // Depths that still count as numbers: every table stays occupied.
    const char* const absurdDepths[] = {"1e308", "-1e308", "-", ".", "99999999999999999999", "1e-320", "+"};
    const int kinds = static_cast<int>(std::size(nonsense));
    const int depthKinds = static_cast<int>(std::size(absurdDepths));
    BoringData data;
    auto fill = [&](auto& table, int offset) {
        using Table = std::decay_t<decltype(table)>;
        for (int row = 1; row <= Table::capacity; ++row) {
            table.setCell(row, 1,
                          row % 4 == 0 ? absurdDepths[row / 4 % depthKinds] : std::to_string(row * 0.37 + offset));
            for (int cell = 2; cell <= Table::cellCount; ++cell)
                table.setCell(row, cell, nonsense[(row + cell) % kinds]);
        }
    };
    fill(data.layerRows, 0);
    fill(data.sptRows, 0);
    fill(data.observationRows, 0);
    fill(data.inSituRows, 0);
    fill(data.sampleRows, 0);
    fill(data.waterLevelRows, -3);
    fill(data.drillingRows, 0);
    fill(data.recoveryRows, 0);
    fill(data.freeNoteRows, 0);
    for (int line = 1; line <= headingLineCount; ++line)
        data.setHeadingLine(line, nonsense[line % kinds]);
    for (int item = 1; item <= documentOptionCount; ++item)
        data.documentOption(item).value = nonsense[item % kinds];
    data.freeNoteFrameSize = 1000000;

    LogSettings settings = pageSettings();
    settings.verticalScale = 0;
    settings.horizontalScale = -7;
    settings.depthPerPage = 0;
    settings.pageOverlap = 5;
    settings.printStartDepth = -1e300;
    settings.fontSlots[3].size = -4.0;
    settings.grid10VDash = -3;
    settings.grid10VGap = 0;
    settings.grid5LineWidth = 1;
    settings.grid5Dash = 0;
    settings.grid5Gap = 0;
    settings.quCircleRadius = "nan";
    settings.quSymbolColor = "0xffffffffffff";
    const int pages = pageCount(settings, maximumDepth(data));
    EXPECT_GE(pages, 1);
    EXPECT_LE(pages, pageCountLimit);
    for (int page : {1, 2, pages}) {
        RecordingDevice device(600);
        PageOptions options;
        options.page = page;
        drawPage(device, data, settings, options);
        EXPECT_LT(device.primitives.size(), 200000u) << "page " << page;
    }
    test::ensureGuiApplication();
    QImage image(400, 400, QImage::Format_RGB32);
    image.setDotsPerMeterX(1181);
    image.setDotsPerMeterY(1181);
    QPainter painter(&image);
    QtPainterDevice device(painter);
    drawPage(device, data, settings, PageOptions{});
}

}  // namespace
}  // namespace kolv
