// One-line texts made to fit their place: unchanged when they fit, condensed
// down to the narrowest readable scale, then cut with "…"; and the title
// block's values and labels, which keep clear of each other.
#include "TextBoxCheck.h"

#include "data/Fields.h"
#include "render/LogFrame.h"
#include "render/LogPrimitives.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace kolv {
namespace {

using test::sjis;
using Kind = RecordedPrimitive::Kind;

// 254 dpi at 1:100: ten device units a millimetre; fonts of 10 points are 35
// device units high, so a byte is 1.75 mm wide.
struct FitPage {
    FitPage()
    {
        clear(data);
        settings.depthPerPage = 10;
        for (FontSlot& slot : settings.fontSlots)
            slot.size = 10.0;
        preparePage(context, 0.0, 1);
        mapping.useTitleBand();
        selectFontSlot(context, FontRole::Title);
    }
    BoringData data;
    LogSettings settings;
    RecordingDevice device{254};
    LogMapping mapping;
    DrawContext context{device, mapping, data, settings};
};

TEST(TextFit, FittingTextsAreUnchangedLongOnesCondensedExtremeOnesCut)
{
    struct Case {
        const char* text;
        double width;
        const char* drawn;
        int widthPercent;
    };
    const Case cases[] = {
        {"ABCD", 7.0, "ABCD", 100},  // 4 bytes of 1.75 mm: fits exactly
        {"ABCD", 20.0, "ABCD", 100},
        {"ABCDEFGHIJ", 14.0, "ABCDEFGHIJ", 80},  // 17.5 mm into 14 mm
        {"ABCDEFGHIJ", 10.5, "ABCDEFGHIJ", 60},
        {"ABCDEFGHIJ", 10.4, "ABCDEFG…", 60},  // (7 + 2 bytes) x 1.75 x 0.6 = 9.45
        {"調査名称", 4.5, "調…", 60},
        {"ABC", 0.0, "…", 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + std::string(" in ") + std::to_string(c.width));
        FitPage page;
        const FittedText fitted = fitTextToWidth(page.context, sjis(c.text), c.width);
        EXPECT_EQ(fitted.text, sjis(c.drawn));
        EXPECT_EQ(fitted.widthPercent, c.widthPercent);
        if (std::string(c.drawn) != "…") {
            EXPECT_LE(fitted.width, c.width + 1e-9);
        }

        // Drawn in the condensed font, the font restored afterwards.
        drawTextWithin(page.context, 10.0, -5.0, sjis(c.text), TextAlign::Left | TextAlign::Top, 0.0, 10.0 + c.width);
        const auto texts = page.device.ofKind(Kind::Text);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].font.widthPercent, c.widthPercent);
        EXPECT_EQ(page.device.currentFont().widthPercent, 100);
    }
}

TEST(TextFit, CentredTextsFitTwiceTheRoomOnTheirNearerSide)
{
    FitPage page;
    drawTextWithin(page.context, 10.0, -5.0, "ABCDEFGHIJ", TextAlign::Center | TextAlign::Top, 3.0, 100.0);
    const auto texts = page.device.ofKind(Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    const DeviceRect box = recordedTextBox(texts[0]);
    EXPECT_GE(box.left, page.mapping.toDeviceX(3.0) - 1);
    EXPECT_EQ(texts[0].font.widthPercent, 80);  // 17.5 mm into twice 7 mm
}

TEST(TextFit, SpreadAndCentredTextsWiderThanTheirRangeAreCondensedWhole)
{
    // "ABCDEFGHIJ" is 17.5 mm wide.
    FitPage spread;
    drawSpreadText(spread.context, 10.0, 24.0, -5.0, -4.0, "ABCDEFGHIJ");
    auto texts = spread.device.ofKind(Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "ABCDEFGHIJ");
    EXPECT_EQ(texts[0].font.widthPercent, 80);
    // One that fits is still spread character by character.
    FitPage fits;
    drawSpreadText(fits.context, 10.0, 30.0, -5.0, -4.0, "ABCDEFGHIJ");
    EXPECT_EQ(fits.device.ofKind(Kind::Text).size(), 10u);

    FitPage box;
    drawTextCentredInBox(box.context, 10.0, -5.0, 24.0, -4.0, "ABCDEFGHIJ");
    texts = box.device.ofKind(Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].font.widthPercent, 80);
    EXPECT_EQ(box.device.currentFont().widthPercent, 100);
}

TEST(TitleBlock, LongValuesKeepToTheirRangeAndLabelsClearOfTheirValues)
{
    struct TitleCase {
        const char* surveyName;
        const char* location;
        const char* datumType;
    };
    const TitleCase cases[] = {
        {"短い調査名", "横浜市", "C.D.L."},
        {"原子力災害制圧道路等整備事業（交付金）業務委託（地質調査）　美浜工区24-16",
         "主要地方道　佐田竹波敦賀線　三方郡美浜町菅浜地係　（No.180+1）", "C.D.L."},
        {"平成２１年度　福井臨海工業用水道事業　配水管増設工事測量・調査設計業務委託（その１）",
         "テクノポート福井　福井市白方町～坂井市三国町米納津　地係", "T.P."},
        {"原子力災害制圧道路等整備事業（交付金）業務委託（地質調査）　美浜工区24-16　"
         "原子力災害制圧道路等整備事業（交付金）業務委託（地質調査）　美浜工区24-16",
         "", ""},
    };
    for (const TitleCase& c : cases) {
        SCOPED_TRACE(c.surveyName);
        FitPage page;
        page.data.setHeadingLine(1, sjis(c.surveyName));
        page.data.setHeadingLine(3, sjis(c.location));
        page.data.setHeadingLine(12, sjis(c.datumType));
        page.data.setHeadingLine(13, "4.35");
        page.device.primitives.clear();
        drawTitleBlock(page.context);
        // Nothing overprints, nothing passes the frame's right edge.
        const int frameRight = page.mapping.toDeviceX(page.context.columnX[28]);
        EXPECT_EQ(test::textLayoutFaults(page.device, {0, 0, frameRight, 100000}), std::vector<std::string>{});
        // The survey name ends before the label of the middle group.
        for (const RecordedPrimitive& text : page.device.ofKind(Kind::Text))
            if (text.points[0].x == page.mapping.toDeviceX(35.0)) {
                EXPECT_LE(recordedTextBox(text).right, page.mapping.toDeviceX(120.0 - 1.0) + 1) << text.text;
            }
    }
}

TEST(TitleBlock, AValueTooLongForOneLineTakesTwoSmallerLinesThenIsCut)
{
    FitPage page;
    const std::string longName =
        sjis("原子力災害制圧道路等整備事業（交付金）業務委託（地質調査）　美浜工区24-16（その２）");
    const auto surveyNameLines = [](const FitPage& drawn) {
        std::vector<RecordedPrimitive> found;
        for (const RecordedPrimitive& text : drawn.device.ofKind(Kind::Text))
            if (text.points[0].x == drawn.mapping.toDeviceX(35.0) && text.points[0].y < drawn.mapping.toDeviceY(-4.7))
                found.push_back(text);
        return found;
    };
    page.data.setHeadingLine(1, longName);
    page.device.primitives.clear();
    drawTitleBlock(page.context);
    const std::vector<RecordedPrimitive> lines = surveyNameLines(page);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text + lines[1].text, longName);
    EXPECT_LT(lines[0].font.height, page.context.slotFonts[0].height);
    EXPECT_LT(lines[0].points[0].y, lines[1].points[0].y);

    // Three times as long: the second line ends with "…".
    FitPage twice;
    twice.data.setHeadingLine(1, longName + longName + longName);
    twice.device.primitives.clear();
    drawTitleBlock(twice.context);
    const std::vector<RecordedPrimitive> drawn = surveyNameLines(twice);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_TRUE(drawn[1].text.ends_with(sjis("…")));
}

// Counts the bytes measured, to show what fitting a text costs.
class MeasureCountingDevice : public RecordingDevice {
public:
    using RecordingDevice::RecordingDevice;
    DevicePoint textExtent(const std::string& text) override
    {
        measuredBytes += text.size();
        return RecordingDevice::textExtent(text);
    }
    std::size_t measuredBytes = 0;
};

TEST(TitleBlock, FittingALongValueMeasuresInProportionToItsLength)
{
    // Searching character by character, each step measuring the text up to
    // there, made a 10,000-character heading take seconds and a 70,000 one
    // minutes; a fitting search measures a few times the text at most.
    for (const int line : {1, 3, 5, 7, 9}) {
        for (const char* unit : {"A", "砂", "ab砂　"}) {
            SCOPED_TRACE(std::to_string(line) + " " + unit);
            BoringData data;
            clear(data);
            LogSettings settings;
            settings.depthPerPage = 10;
            MeasureCountingDevice device{254};
            LogMapping mapping;
            DrawContext context{device, mapping, data, settings};
            preparePage(context, 0.0, 1);
            mapping.useTitleBand();
            std::string value;
            while (value.size() < 20000)
                value += sjis(unit);
            data.setHeadingLine(line, value);
            device.measuredBytes = 0;
            drawTitleBlock(context);
            EXPECT_LT(device.measuredBytes, 12 * value.size() + 20000);
            // A name is still drawn, cut with "…" (a date part that is no
            // number gives the survey period as it can).
            bool cut = false;
            for (const RecordedPrimitive& text : device.ofKind(Kind::Text))
                cut = cut || text.text.ends_with(sjis("…"));
            EXPECT_TRUE(cut || line == HeadingLine::StartMonth || line == HeadingLine::EndYear);
        }
    }
}

}  // namespace
}  // namespace kolv
