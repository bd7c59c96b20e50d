#include "render/ColumnLayout.h"
#include "render/LogMapping.h"
#include "render/LogPage.h"
#include "render/TextColumns.h"
#include "support/TestSupport.h"
#include "TextBoxCheck.h"
#include "TextColumnFixture.h"

#include <gtest/gtest.h>

using namespace kolv;
using kolv::test::expectTextAt;
using kolv::test::PageFixture;
using kolv::test::sjis;
using Kind = RecordedPrimitive::Kind;

namespace {

std::string repeated(const std::string& text, int times)
{
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

}  // namespace

TEST(TextColumnObservationNotes, LongNotesPushTheNextOnesDown)
{
    PageFixture page;
    // 40 kanji: three lines of 28 device units in the notes box.
    page.addRow(page.data.observationRows, {"1.00", "2.00", "", repeated(sjis("砂"), 40) + "\r\n", "1"});
    page.addRow(page.data.observationRows, {"1.02", "3.00", "1", sjis("礫混じり"), "0"});
    page.addRow(page.data.observationRows, {"6.00", "7.00", "0", sjis("粘土"), "0"});
    page.prepare();
    drawObservationNotes(page.context);

    const auto notes = page.device.drawnWrappedTexts();
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[0].rect.top, page.deviceY(1.10));
    EXPECT_EQ(notes[0].text, repeated(sjis("砂"), 40));
    // The first text ends at 1.10 + 0.84; the second note's leader lies
    // 0.03 below it and its text 0.1 below the leader.
    EXPECT_EQ(notes[1].rect.top, page.deviceY(2.07));
    EXPECT_EQ(notes[2].rect.top, page.deviceY(6.10));
    const double left = page.column(9);
    const double right = page.column(10);
    for (const RecordedPrimitive& note : notes) {
        EXPECT_EQ(note.rect.left, page.deviceX(left + 0.2));
        EXPECT_LT(note.rect.right, page.deviceX(right));
        EXPECT_FALSE(note.measureOnly);
    }
    // Leaders tie each note's depth to the line above its text; the pushed
    // note's leader runs down the column's rules, clear of the first text,
    // and turns in 0.03 above its line.
    EXPECT_EQ(page.linesBetween(left, 1.00, left + 1, 1.00).size(), 1u);
    EXPECT_EQ(page.linesBetween(left, 1.02, left, 1.94).size(), 1u);
    EXPECT_EQ(page.linesBetween(left, 1.94, left + 1, 1.97).size(), 1u);
    EXPECT_EQ(page.linesBetween(left + 1, 1.97, right - 1, 1.97).size(), 1u);
    EXPECT_EQ(page.linesBetween(right - 1, 1.97, right, 1.94).size(), 1u);
    EXPECT_EQ(page.linesBetween(right, 1.94, right, 1.02).size(), 1u);
    // The switch "0" draws no leader.
    EXPECT_EQ(page.device.ofKind(Kind::Line).size(), 8u);
}

TEST(TextColumnObservationNotes, NotesBelowThePageEndTheColumn)
{
    PageFixture page;
    page.addRow(page.data.observationRows, {"2.00", "3.00", "", "a", ""});
    page.addRow(page.data.observationRows, {"10.50", "11.00", "", "b", ""});
    page.addRow(page.data.observationRows, {"9.00", "11.00", "", "c", ""});
    page.prepare();
    drawObservationNotes(page.context);
    EXPECT_EQ(page.device.drawnWrappedTexts().size(), 1u);
}

TEST(TextColumnInSitu, UnderlinesDepthAndNotesByTheFlagWord)
{
    PageFixture page;
    page.addRow(page.data.inSituRows, {"3.00", sjis("孔内水平載荷試験"), "N=5", "", "", "1", "3.00", ""});
    page.addRow(page.data.inSituRows, {"3.40", "name2", "result2", "0", "", "1", "3.40", ""});
    page.addRow(page.data.inSituRows, {"8.00", "name3", "result3", "2", "", "1", "8.00", ""});
    page.prepare();
    drawInSituTests(page.context);

    const double left = page.column(19);
    // A flag word that is not a number is the dialog's 7.
    EXPECT_EQ(page.linesBetween(left, 3.0, left + 12.5, 3.0).size(), 1u);
    EXPECT_EQ(page.linesBetween(left + 12.5, 3.0, page.column(20), 3.0).size(), 1u);
    expectTextAt(page, " 3.00", page.deviceX(left + 6.25), page.deviceY(3.0), TextAlign::Center | TextAlign::Bottom);
    expectTextAt(page, "N=5", page.deviceX(left + 20.5), page.deviceY(3.0), TextAlign::Left | TextAlign::Bottom);
    // The next test lies less than two lines below: the name hugs the line.
    expectTextAt(page, sjis("孔内水平載荷試験"), page.deviceX(left + 20.5), page.deviceY(3.0),
                 TextAlign::Left | TextAlign::Top);
    // Its result would overprint that name (a line of 0.28 m): the second
    // test's texts move down clear of it, 0.16 m, its underline stays.
    expectTextAt(page, "result2", page.deviceX(left + 20.5), page.deviceY(3.56), TextAlign::Left | TextAlign::Bottom);
    expectTextAt(page, "name2", page.deviceX(left + 20.5), page.deviceY(3.61), TextAlign::Left | TextAlign::Top);
    EXPECT_TRUE(page.texts(" 3.40").empty());
    EXPECT_EQ(page.texts(" 8.00").size(), 1u);
    expectTextAt(page, "name3", page.deviceX(left + 20.5), page.deviceY(8.05), TextAlign::Left | TextAlign::Top);
    EXPECT_EQ(page.device.ofKind(Kind::Line).size(), 2u);

    // Elevations: collar +5.00, vertical hole; none without an elevation.
    page.data.setHeadingLine(50, "1");
    page.data.setHeadingLine(13, "5.00");
    page.prepare();
    drawInSituTests(page.context);
    EXPECT_EQ(page.texts(" 2.00").size(), 1u);
    EXPECT_EQ(page.texts("-3.00").size(), 1u);
    page.data.setHeadingLine(13, "-999.9");
    page.prepare();
    drawInSituTests(page.context);
    EXPECT_TRUE(page.texts(" 2.00").empty());
}

TEST(TextColumnSamples, RulesNumberAndDepthLabels)
{
    PageFixture page;
    page.addRow(page.data.sampleRows, {"1.00", "1.80", "P-1", "T", "", "0"});
    page.addRow(page.data.sampleRows, {"4.00", "", "P-2", "D", "", "1"});
    page.addRow(page.data.sampleRows, {"12.00", "12.80", "P-3", "T", "", "0"});
    page.prepare();
    drawSamples(page.context);

    const double numberLeft = page.column(23);
    const double numberRight = page.column(24);
    const double ruleRight = page.column(26);
    const double labelX = (page.column(25) + page.column(26)) / 2;
    EXPECT_EQ(page.linesBetween(numberRight, 1.0, ruleRight, 1.0).size(), 1u);
    EXPECT_EQ(page.linesBetween(numberRight, 1.8, ruleRight, 1.8).size(), 1u);
    EXPECT_EQ(page.linesBetween(numberRight, 4.0, ruleRight, 4.0).size(), 1u);
    EXPECT_EQ(page.device.ofKind(Kind::Line).size(), 3u);
    expectTextAt(page, " 1.00", page.deviceX(labelX), page.deviceY(1.0), TextAlign::Center | TextAlign::Top);
    expectTextAt(page, " 1.80", page.deviceX(labelX), page.deviceY(1.8), TextAlign::Center | TextAlign::Top);
    const int top = page.deviceY(1.0) + 1;
    const int bottom = page.deviceY(1.8) - 1;
    expectTextAt(page, "P-1", (page.deviceX(numberLeft) + page.deviceX(numberRight)) / 2, (top + bottom - 28) / 2,
                 TextAlign::Center | TextAlign::Top);
    EXPECT_EQ(page.texts("P-2").size(), 1u);
    EXPECT_TRUE(page.texts("P-3").empty());

    page.settings.sampleDepthLabelPos = 0;
    page.prepare();
    drawSamples(page.context);
    EXPECT_EQ(page.texts(" 1.80")[0].align, TextAlign::Center | TextAlign::Bottom);

    // A sample shorter than a text line (0.28 m): the labels go to the outer
    // sides of the two rules.
    page.data.sampleRows.setCell(1, 2, "1.18");
    for (int position : {0, 1}) {
        page.settings.sampleDepthLabelPos = position;
        page.prepare();
        drawSamples(page.context);
        EXPECT_EQ(page.texts(" 1.00")[0].align, TextAlign::Center | TextAlign::Bottom) << position;
        EXPECT_EQ(page.texts(" 1.18")[0].align, TextAlign::Center | TextAlign::Top) << position;
    }
    page.data.sampleRows.setCell(1, 2, "1.80");
    page.settings.sampleDepthLabelPos = 2;
    page.prepare();
    drawSamples(page.context);
    EXPECT_TRUE(page.texts(" 1.80").empty());
}

TEST(TextColumnRecovery, BarTextAndClampedRecoveredPart)
{
    PageFixture page;
    page.settings.quSymbolColor = "0xff0000";
    page.addRow(page.data.recoveryRows, {"2.00", "3.00", "85", "", "", "", ""});
    page.addRow(page.data.recoveryRows, {"4.00", "5.00", "150", "", "", "", ""});
    page.addRow(page.data.recoveryRows, {"6.00", "7.00", "", "120", "", "", ""});
    page.addRow(page.data.recoveryRows, {"8.00", "", "50", "", "", "", ""});
    page.prepare();
    drawRecoveryAndQu(page.context);

    EXPECT_EQ(page.texts("85/100").size(), 1u);
    EXPECT_EQ(page.texts("150/100").size(), 1u);
    EXPECT_TRUE(page.texts("50/0").empty());
    const auto fills = page.device.ofKind(Kind::FilledRectangle);
    ASSERT_EQ(fills.size(), 4u);
    EXPECT_EQ(fills[0].fillColor, 0xff0000u);
    EXPECT_EQ(fills[0].rect.top, page.deviceY(2.00));
    EXPECT_EQ(fills[0].rect.bottom, page.deviceY(2.85));
    EXPECT_EQ(fills[0].rect.left, page.deviceX(page.column(24) + 0.5));
    EXPECT_EQ(fills[0].rect.right, page.deviceX(page.column(25) - 0.5));
    EXPECT_EQ(fills[1].fillColor, 0xC0C0C0u);
    EXPECT_EQ(fills[1].rect.top, page.deviceY(2.85));
    EXPECT_EQ(fills[1].rect.bottom, page.deviceY(3.00));
    // 150 cm recovered from a 100 cm run fills the run and no more.
    EXPECT_EQ(fills[2].rect.bottom, page.deviceY(5.00));
    EXPECT_EQ(fills[3].rect.top, fills[3].rect.bottom);
    EXPECT_EQ(page.device.ofKind(Kind::Rectangle).size(), 2u);
    // The qu value of the third row is plotted on the graph.
    EXPECT_EQ(page.device.ofKind(Kind::Ellipse).size(), 1u);
}

TEST(TextColumnDrillingDates, DrawnOnlyWhenSwitchedOn)
{
    PageFixture page;
    page.addRow(page.data.drillingRows, {"5.00", "4/12"});
    page.addRow(page.data.drillingRows, {"6.00", "0412"});
    page.prepare();
    drawDrillingDates(page.context);
    EXPECT_TRUE(page.device.primitives.empty());

    page.data.documentOption(18).value = "1";
    page.prepare();
    drawDrillingDates(page.context);
    const double left = page.column(0);
    EXPECT_EQ(page.linesBetween(left, 5.0, page.column(1), 5.0).size(), 1u);
    const TextAlign baseline = TextAlign::Left | TextAlign::Baseline;
    // The month stands a whole line above the day, so the two never touch;
    // both keep clear of the frame's left rule.
    expectTextAt(page, "4", page.deviceX(left + 0.8), page.deviceY(5.0 - 0.28), baseline);
    expectTextAt(page, "12", page.deviceX(left + 1.2), page.deviceY(5.0), baseline);
    EXPECT_EQ(page.linesBetween(left + 1.0, 5.0 - 0.8 * 0.28, left + 3.6, 5.0 - 0.28).size(), 1u);
    expectTextAt(page, "0412", page.deviceX(left + 0.8), page.deviceY(6.0), baseline);
}

TEST(TextColumnFreeNotes, NotesOfThePageAndTheBox)
{
    PageFixture page;
    page.addRow(page.data.freeNoteRows, {"0", "20", "", "10", sjis("全頁")});
    page.addRow(page.data.freeNoteRows, {"1", "20", "", "10", sjis("一頁")});
    page.addRow(page.data.freeNoteRows, {"2", "40", "", "25", sjis("二頁")});
    page.data.freeNoteFrameSize = 30;
    page.prepare(9.0, 2);
    drawFreeNotes(page.context);

    // Offsets are paper millimetres below the log's bottom at 19 m.
    const TextAlign topLeft = TextAlign::Left | TextAlign::Top;
    expectTextAt(page, sjis("全頁"), page.deviceX(25), page.deviceY(20.0), topLeft);
    expectTextAt(page, sjis("二頁"), page.deviceX(45), page.deviceY(21.5), topLeft);
    EXPECT_TRUE(page.texts(sjis("一頁")).empty());
    EXPECT_EQ(page.linesBetween(5, 19, 5, 22).size(), 1u);
    EXPECT_EQ(page.linesBetween(280, 19, 280, 22).size(), 1u);
    EXPECT_EQ(page.linesBetween(5, 22, 280, 22).size(), 1u);
    EXPECT_EQ(page.device.ofKind(Kind::Line)[0].pen.width, page.settings.outerLineWidth);

    // At 1:200 horizontally a paper millimetre is two x units.
    page.settings.horizontalScale = 200;
    page.data.freeNoteFrameSize = 0;
    page.prepare(9.0, 1);
    drawFreeNotes(page.context);
    EXPECT_EQ(page.texts(sjis("一頁"))[0].points[0].x, page.deviceX(45));
    EXPECT_TRUE(page.device.ofKind(Kind::Line).empty());
}

TEST(TextColumnFooter, BothPositionModesInPaperMillimetres)
{
    PageFixture page;
    page.settings.leftMargin = 5;
    page.settings.topMargin = 7;
    page.settings.horizontalScale = 200;
    page.data.setHeadingLine(61, "-");
    page.data.setHeadingLine(62, "1");
    page.data.setHeadingLine(63, "-");
    page.data.setHeadingLine(64, "0");
    page.data.setHeadingLine(65, "281");
    page.data.setHeadingLine(66, "2.0");
    page.data.setHeadingLine(67, "1");
    page.data.setHeadingLine(68, "20");
    page.data.setHeadingLine(69, "105");
    page.data.freeNoteFrameSize = 30;
    page.prepare(0.0, 3);
    const LogMapping before = page.mapping;
    drawPageFooter(page.context);
    // 10 device units per millimetre from the paper's edges.
    expectTextAt(page, "-3-", 1050, 2810, TextAlign::Center | TextAlign::Top);
    EXPECT_EQ(page.device.ofKind(Kind::Text)[0].font.height, page.context.slotFonts[5].height);
    EXPECT_EQ(page.mapping.unitX, before.unitX);
    EXPECT_EQ(page.mapping.unitY, before.unitY);
    EXPECT_EQ(page.mapping.depthOffset, before.depthOffset);
    EXPECT_EQ(page.mapping.leftMarginMm, before.leftMarginMm);
    EXPECT_EQ(page.mapping.topMarginMm, before.topMarginMm);

    // Below the log: 2 mm under the 30 mm free-notes box, at the depth scale.
    page.data.setHeadingLine(64, "1");
    page.data.setHeadingLine(67, "0");
    page.prepare(0.0, 1);
    drawPageFooter(page.context);
    expectTextAt(page, "-1-", 200, page.deviceY(10.0 + 3.2), TextAlign::Left | TextAlign::Top);

    page.data.setHeadingLine(61, "");
    page.data.setHeadingLine(62, "");
    page.data.setHeadingLine(63, "");
    page.prepare(0.0, 1);
    drawPageFooter(page.context);
    EXPECT_TRUE(page.device.primitives.empty());
}

// Notes the notes above push past the last layer's page get pages of their
// own, and a note never shows cut by a page's edge.
TEST(TextColumnObservationNotes, NotesPushedPastTheLastPageGetTheirOwnPage)
{
    PageFixture page;
    page.settings.depthPerPage = 10;
    page.addRow(page.data.layerRows, {"9.00", sjis("砂")});
    const std::string longNote = repeated(sjis("砂"), 200);
    page.addRow(page.data.observationRows, {"8.00", "9.00", "", longNote, ""});
    page.addRow(page.data.observationRows, {"8.50", "9.00", "", longNote, ""});
    RecordingDevice measuring(254);
    const int pages = logPageCount(measuring, page.data, page.settings);
    EXPECT_EQ(pageCount(page.settings, maximumDepth(page.data)), 1);
    ASSERT_EQ(pages, 2);
    for (int p = 1; p <= pages; ++p) {
        RecordingDevice device(254);
        PageOptions options;
        options.page = p;
        drawPage(device, page.data, page.settings, options);
        std::vector<std::string> cut;
        test::visibleTextBoxes(device, &cut);
        EXPECT_TRUE(cut.empty()) << "page " << p << ": " << (cut.empty() ? "" : cut.front());
    }
}
