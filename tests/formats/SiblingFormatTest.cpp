#include "FormatTestSupport.h"
#include "formats/FormatDetection.h"
#include "formats/LineDispatch.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace kolv;
using kolv::test::formatCodeOf;
using kolv::test::readText;
using kolv::test::sjis;

namespace {

std::string fixture(const char* name)
{
    return kolv::test::readFile(std::string(KOLV_FIXTURE_DIR) + "/formats/" + name);
}

// The fixture with another header line (the body is shared by codes 480, 490, 500).
std::string withHeader(const std::string& text, std::string_view header)
{
    return std::string(header) + text.substr(text.find("\r\n"));
}

void expectHarbourHeadingChoices(const BoringData& data)
{
    for (int line : {36, 47, 48, 49, 50})
        EXPECT_EQ(data.headingLine(line), "0") << line;
    EXPECT_EQ(data.headingLine(70), sjis("港 湾 柱 状 図"));
    EXPECT_EQ(data.headingLine(71), "1");
}

}  // namespace

TEST(ZoribFormatReader, ColourRowsSortedLayersAndShiftedCellsForCodes480And490)
{
    const std::string text = fixture("sibling-a.vle");
    for (const char* header : {"$$_XVZORIB500", "$$_WZORIB100"}) {
        const std::string file = withHeader(text, header);
        const int code = formatCodeNumber(detectFormat(file.substr(0, file.find('\n') + 1)));
        ASSERT_TRUE(code == 480 || code == 490) << header;
        const BoringData data = readText(file, formatCodeOf(code));

        expectHarbourHeadingChoices(data);
        EXPECT_EQ(data.headingLine(1), sjis("港湾整備調査"));
        EXPECT_EQ(data.documentOption(1).value, "") << "options are not read";

        // Layers: 5.00 and 2.00 read, 2.00 coloured, 3.50 added from a colour
        // row, then sorted by depth.
        ASSERT_EQ(occupiedRowCount(data.layerRows), 3);
        EXPECT_EQ(data.layerRows.cell(1, 1), "2.00");
        EXPECT_EQ(data.layerRows.cell(1, 2), sjis("埋土"));
        EXPECT_EQ(data.layerRows.cell(1, 4), sjis("褐"));
        EXPECT_EQ(data.layerRows.cell(1, 5), "700.0");
        EXPECT_EQ(data.layerRows.cell(1, 7), "32");
        EXPECT_EQ(data.layerRows.cell(2, 1), "3.50");
        EXPECT_EQ(data.layerRows.cell(2, 4), sjis("灰"));
        EXPECT_EQ(data.layerRows.cell(2, 7), "");
        EXPECT_EQ(data.layerRows.cell(3, 1), "5.00");
        EXPECT_EQ(data.layerRows.cell(3, 5), "320.0");
        EXPECT_EQ(data.layerRows.cell(3, 8), sjis("MS"));

        EXPECT_EQ(data.observationRows.cell(1, 4), sjis("礫混じりの埋土\r\n"));
        EXPECT_EQ(data.sptRows.cell(1, 2), "12");

        const auto& sample = data.sampleRows.row(1);
        EXPECT_EQ(sample[3], "");
        EXPECT_EQ(sample[4], sjis("粒度試験"));
        EXPECT_EQ(sample[5], "0");
        const auto& test = data.inSituRows.row(1);
        EXPECT_EQ(test[1], "");
        EXPECT_EQ(test[3], "7");
        EXPECT_EQ(test[4], sjis("○"));
        EXPECT_EQ(test[5], "1");
        EXPECT_EQ(test[6], sjis("現場透水試験"));

        EXPECT_EQ(data.waterLevelRows.cell(1, 4), "abc") << "display bits kept as read";
        EXPECT_EQ(data.recoveryRows.cell(1, 1), "") << "recovery is not read";
        EXPECT_EQ(data.geologicAgeRows.cell(1, 1), "") << "ages are not read";

        // Drilling rows come from the import rows with a date, up to the
        // first row without a depth; the file's own drilling row is replaced.
        EXPECT_EQ(data.drillingRows.row(1), (BoringData::DrillingTable::Row{"2.00", "04/01"}));
        EXPECT_EQ(data.drillingRows.row(2), (BoringData::DrillingTable::Row{"6.00", "04/03"}));
        EXPECT_EQ(data.drillingRows.cell(3, 1), "");

        EXPECT_EQ(data.freeNoteFrameSize, 120);
        EXPECT_EQ(data.freeNoteRows.cell(1, 5), sjis("自由記事"));
    }
}

TEST(ZoribFormatReader, Code500ReadsTheSameSectionsWithoutTheShuffle)
{
    const std::string file = withHeader(fixture("sibling-a.vle"), "$$_RZORIB500");
    ASSERT_EQ(formatCodeNumber(detectFormat(file.substr(0, file.find('\n') + 1))), 500);
    const BoringData data = readText(file, formatCodeOf(500));
    expectHarbourHeadingChoices(data);
    EXPECT_EQ(occupiedRowCount(data.layerRows), 2);
    EXPECT_EQ(data.layerRows.cell(1, 1), "5.00") << "not sorted";
    EXPECT_EQ(data.sampleRows.cell(1, 4), sjis("粒度試験"));
    EXPECT_EQ(data.inSituRows.cell(1, 2), sjis("現場透水試験"));
    EXPECT_EQ(data.drillingRows.row(1), (BoringData::DrillingTable::Row{"5.00", "04/02"}));
    EXPECT_EQ(data.drillingImportRows.cell(1, 1), "2.00");
}

TEST(RazobFormatReader, AgesImportRowsAndShiftedCellsForCode510)
{
    const std::string file = fixture("sibling-b.vlo");
    ASSERT_EQ(formatCodeNumber(detectFormat(file.substr(0, file.find('\n') + 1))), 510);
    const BoringData data = readText(file, formatCodeOf(510));

    expectHarbourHeadingChoices(data);
    EXPECT_EQ(data.documentOption(1).value, "");
    EXPECT_EQ(data.layerRows.cell(1, 5), "") << "numeric cell 7 keeps cell 5";
    EXPECT_EQ(data.layerRows.cell(1, 8), sjis("C"));

    const auto& test = data.inSituRows.row(1);
    EXPECT_EQ(test,
              (BoringData::InSituTable::Row{"2.00", sjis("孔内水平載荷試験"), "E=2.1MN/m2", "7", sjis("△"), "2", "2.00",
                                            ""}));
    EXPECT_EQ(data.sampleRows.cell(1, 6), "1");
    EXPECT_EQ(data.sampleRows.cell(2, 6), "0");
    EXPECT_EQ(data.sampleRows.cell(3, 6), "0");
    EXPECT_EQ(data.waterLevelRows.cell(1, 4), "");
    EXPECT_EQ(data.recoveryRows.cell(1, 1), "");
    EXPECT_EQ(data.geologicAgeRows.row(1), (BoringData::GeologicAgeTable::Row{"0.00", "5.00", sjis("完新世")}));
    EXPECT_EQ(data.drillingRows.row(1), (BoringData::DrillingTable::Row{"5.00", "04/01"}));
    EXPECT_EQ(data.drillingRows.row(2), (BoringData::DrillingTable::Row{"9.00", "04/02"}));
    EXPECT_EQ(data.drillingRows.cell(3, 1), "") << "section B is not this format's";
    EXPECT_EQ(data.freeNoteFrameSize, 80);
}

TEST(LineDispatch, Code509LoadsAnEmptyDocument)
{
    const BoringData data = readText(fixture("sibling-b.vlo"), formatCodeOf(509));
    expectHarbourHeadingChoices(data);
    EXPECT_EQ(data.headingLine(1), "");
    EXPECT_EQ(occupiedRowCount(data.layerRows), 0);
}

TEST(PostProcess, ExchangeFilesSortLayersFillDepthsAndSplitDates)
{
    for (int code : {110, 200, 204, 209}) {
        BoringData data;
        clear(data);
        data.setHeadingLine(6, "2023-04-05");
        data.setHeadingLine(9, "2023-4-5");
        data.layerRows.row(1) = {"8.00", "B", "", "", "", "", "", "", "", "", "", "", "", ""};
        data.layerRows.row(2) = {"2.00", "A", "", "", "", "", "", "", "", "", "", "", "", ""};
        data.layerRows.row(3) = {"-", "C", "", "", "", "", "", "", "", "", "", "", "", ""};
        data.inSituRows.row(1) = {"3.00", "3.50", sjis("現場透水試験"), "k=2E-5", "x", "y", "z", "7"};
        data.drillingRows.row(1) = {"99.00", "old"};
        data.drillingImportRows.row(1) = {"1.00", "2023-04-05", "", "", "", "", "", "", "", "", ""};
        data.observationRows.row(1) = {"", "1.50", "", "a\r\n", ""};
        data.observationRows.row(2) = {"", "4.00", "", "b\r\n", ""};
        data.observationRows.row(3) = {"", "", "", "c\r\n", ""};
        data.observationRows.row(4) = {"6.00", "7.00", "", "d\r\n", ""};

        postProcess(data, formatCodeOf(code));

        expectHarbourHeadingChoices(data);
        EXPECT_EQ(data.layerRows.cell(1, 1), "-") << code;  // a lone minus reads as 0
        EXPECT_EQ(data.layerRows.cell(2, 2), "A") << code;
        EXPECT_EQ(data.layerRows.cell(3, 2), "B") << code;
        EXPECT_EQ(data.inSituRows.row(1),
                  (BoringData::InSituTable::Row{"3.00", sjis("現場透水試験"), "k=2E-5", "7", "", "", "3.00", "7"}))
            << code;
        EXPECT_EQ(data.drillingRows.row(1), (BoringData::DrillingTable::Row{"1.00", "2023-04-05"})) << code;
        EXPECT_EQ(data.observationRows.cell(1, 1), "0.0") << code;
        EXPECT_EQ(data.observationRows.cell(2, 1), "1.50") << code;
        EXPECT_EQ(data.observationRows.cell(3, 1), "") << code << ": past both counts";
        if (code >= 200) {
            EXPECT_EQ(data.headingLine(6), "2023");
            EXPECT_EQ(data.headingLine(7), "04");
            EXPECT_EQ(data.headingLine(8), "05");
            EXPECT_EQ(data.headingLine(9), "");
            EXPECT_EQ(data.headingLine(11), "");
        } else {
            EXPECT_EQ(data.headingLine(6), "2023-04-05");
        }
    }
}

TEST(PostProcess, DateSplitNeverCutsACharacter)
{
    BoringData data;
    clear(data);
    data.setHeadingLine(6, sjis("２０２３年4月5日"));
    postProcess(data, formatCodeOf(204));
    EXPECT_EQ(data.headingLine(6), sjis("２０"));
    EXPECT_EQ(data.headingLine(7), "") << "bytes 6-7 halve two characters";
    EXPECT_EQ(data.headingLine(8), sjis("年"));
}

TEST(PostProcess, NativeFilesAreLeftAsRead)
{
    BoringData data;
    clear(data);
    data.layerRows.row(1) = {"8.00", "", "", "", "", "", "", "", "", "", "", "", "", ""};
    data.layerRows.row(2) = {"2.00", "", "", "", "", "", "", "", "", "", "", "", "", ""};
    const BoringData before = data;
    postProcess(data, formatCodeOf(600));
    EXPECT_EQ(data.layerRows.cell(1, 1), "8.00");
    EXPECT_EQ(data.headingLines, before.headingLines);
}
