#include "data/Number.h"
#include "render/NValueColumn.h"
#include "render/TextColumns.h"
#include "support/TestSupport.h"
#include "TextColumnFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace kolv;
using kolv::test::PageFixture;
using kolv::test::sjis;

namespace {

const std::array<std::string, 16> nonsense{
    "",     "abc", "-",  "1e308", "-1e308", "99999999999", "-0.5",   "3.5",
    "50/0", "/",   "1/", "\x81",  "0x10",   "nan",         "-50/-3", "2147483647/1",
};

// Every table filled to its capacity: cell 1 a depth (or page) rising through
// the page with a sign or a huge negative value here and there, so that no
// loop ends early, every other cell anything from the nonsense list.
template <class Table> void fillWithNonsense(Table& table, int seed)
{
    for (int row = 1; row <= Table::capacity; ++row) {
        for (int cell = 1; cell <= Table::cellCount; ++cell)
            table.setCell(row, cell, nonsense[(row * 7 + cell * 3 + seed) % nonsense.size()]);
        std::string key = formatText("%.2f", row * 0.05 - 1.0);
        if (row % 13 == 0)
            key = "-";
        else if (row % 17 == 0)
            key = "-1e308";
        table.setCell(row, 1, key);
    }
}

void drawEveryStep(PageFixture& page)
{
    page.mapping.useTitleBand();
    drawNValueGraphScales(page.context);
    page.mapping.useBody(page.context.pageStart);
    drawObservationNotes(page.context);
    drawNValueGrid(page.context);
    drawPenetrationTests(page.context);
    drawInSituTests(page.context);
    drawSamples(page.context);
    drawRecoveryAndQu(page.context);
    drawDrillingDates(page.context);
    drawFreeNotes(page.context);
    drawPageFooter(page.context);
}

}  // namespace

TEST(TextColumnBadInput, NonsenseInEveryCellAndSettingStillDrawsAPage)
{
    PageFixture page;
    fillWithNonsense(page.data.sptRows, 1);
    fillWithNonsense(page.data.observationRows, 2);
    fillWithNonsense(page.data.inSituRows, 3);
    fillWithNonsense(page.data.sampleRows, 4);
    fillWithNonsense(page.data.drillingRows, 5);
    fillWithNonsense(page.data.recoveryRows, 6);
    fillWithNonsense(page.data.freeNoteRows, 7);
    for (int line = 1; line <= headingLineCount; ++line)
        page.data.setHeadingLine(line, nonsense[line % nonsense.size()]);
    for (int item = 1; item <= documentOptionCount; ++item)
        page.data.documentOption(item).value = nonsense[(item * 5) % nonsense.size()];
    page.data.documentOption(18).value = "1";
    page.data.freeNoteFrameSize = 2147483647;

    const struct {
        int scale;
        int depthPerPage;
        double fontSize;
        int lineWidth;
        const char* text;
    } settingsCases[] = {
        {100, 10, 8.0, 1, "1"},
        {0, 0, 0.0, 0, ""},
        {-5, 2000000000, 1e9, -3, "1e308"},
        {25, 38, -8.0, 20, "abc"},
    };
    for (const auto& s : settingsCases) {
        page.settings.horizontalScale = s.scale;
        page.settings.verticalScale = s.scale;
        page.settings.depthPerPage = s.depthPerPage;
        for (FontSlot& slot : page.settings.fontSlots)
            slot.size = s.fontSize;
        page.settings.innerLineWidth = s.lineWidth;
        page.settings.nGraphLineWidth = s.lineWidth;
        page.settings.grid5LineWidth = s.lineWidth;
        page.settings.grid10VLineWidth = s.lineWidth;
        page.settings.grid10HLineWidth = s.lineWidth;
        page.settings.grid5Dash = -s.lineWidth;
        page.settings.grid5Gap = s.lineWidth;
        page.settings.nPlotSymbol = s.lineWidth;
        page.settings.nDepthLabelPos = s.lineWidth;
        page.settings.sampleDepthLabelPos = -s.lineWidth;
        page.settings.quCircleRadius = s.text;
        page.settings.quSymbolColor = s.text;
        page.settings.grid10Color = s.text;
        for (double start : {-10.0, 0.0, 2999.5}) {
            page.prepare(start, 2);
            drawEveryStep(page);
            EXPECT_LT(page.device.primitives.size(), 2000000u) << s.scale << " " << start;
        }
    }
}
