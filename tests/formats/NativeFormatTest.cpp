#include "FormatTestSupport.h"
#include "formats/FormatDetection.h"
#include "formats/NativeWriter.h"
#include "platform/Prompter.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace kolv;
using kolv::test::crLfLines;
using kolv::test::readText;
using kolv::test::sjis;

namespace {

BoringData clearedStore()
{
    BoringData data;
    clear(data);
    return data;
}

// A store with every saved table in use, as the dialogs and imports fill it.
BoringData fullStore()
{
    BoringData data = clearedStore();
    for (int item = 1; item <= 13; ++item)
        data.documentOption(item).value = std::to_string(item * 10);
    data.documentOption(16).value = "5.00";
    data.setHeadingLine(1, sjis("港湾施設土質調査"));
    data.setHeadingLine(5, "No.3");
    data.setHeadingLine(13, "-12.35");
    for (int line = 51; line <= 56; ++line)
        data.setHeadingLine(line, std::to_string(line));
    data.setHeadingLine(70, sjis("港 湾 柱 状 図"));
    data.setHeadingLine(120, "last");

    const char* layers[][11] = {
        {"3.20", "埋土", "", "暗灰", "700.0", "", "247", "B", "", "", ""},
        {"12.50", "貝殻混じりシルト質粘土", "", "暗緑灰", "433.2", "", "247", "CMsh", "", "", ""},
        {"20.00", "砂・シルト互層", "", "灰", "90203.0", "", "247", "S/M", "60", "40", ""},
    };
    for (int row = 0; row < 3; ++row)
        for (int cell = 0; cell < 11; ++cell)
            data.layerRows.setCell(row + 1, cell + 1, sjis(layers[row][cell]));
    data.sptRows.row(1) = {"1.15", "3", "1", "1", "1", ""};
    data.sptRows.row(2) = {"19.15", "50/12", "18", "32/2", "", "1"};
    data.observationRows.row(1) = {"0.00", "3.20", "", sjis("礫混じり\r\n　含水中位\r\n"), "0"};
    data.observationRows.row(2) = {"3.20", "12.50", "1", sjis("貝殻片を含む"), "1"};
    data.inSituRows.row(1) = {"8.00", sjis("孔内水平載荷試験"), "E=2.4MN/m2", "7", "", "1", "8.00", ""};
    data.sampleRows.row(1) = {"5.00", "5.85", "T-1", "T", sjis("物理,力学"), "0"};
    data.geologicAgeRows.row(1) = {"0.00", "20.00", sjis("沖積層")};
    data.waterLevelRows.row(1) = {"-1.85", "05/12", "", "3"};
    data.drillingRows.row(1) = {"10.00", "05/10"};
    data.recoveryRows.row(1) = {"5.00", "5.85", "92", "45.2", "", "", ""};
    data.freeNoteHeader = {"", "120", "", "", ""};
    data.freeNoteRows.row(1) = {"0", "10", "", "20", sjis("孔口標高はＤＬ基準")};
    return data;
}

std::string writeAndReadBack(BoringData& data, BoringData& readBack)
{
    const std::string bytes = writeNativeFile(data);
    readBack = readText(bytes, FormatCode::Native);
    return bytes;
}

template <class Table> void expectSameRows(const Table& expected, const Table& actual, int cells, const char* table)
{
    for (int row = 1; row <= Table::capacity; ++row)
        for (int cell = 1; cell <= cells; ++cell)
            ASSERT_EQ(actual.cell(row, cell), expected.cell(row, cell)) << table << " row " << row << " cell " << cell;
}

}  // namespace

TEST(NativeWriter, ClearedStoreWritesTheEmptyDocument)
{
    BoringData data = clearedStore();
    std::string expected = "$$_QZORIB100\r\n$$x\r\n" + std::string(21, ',') + "0,500,100\r\n$$Z\r\n";
    for (int line = 1; line <= headingLineCount; ++line)
        expected += std::string(line == 14 || line == 15 ? ",," : line == 46 ? "0.30" : "") + "\r\n";
    expected += "$$A\r\n$$C\r\n$$K\r\n$$g\r\n$$G\r\n$$e\r\n$$E\r\n$$N\r\n$$W\r\n$$H\r\n$$Y\r\n$$F\r\n,,,,,\r\n";
    EXPECT_EQ(writeNativeFile(data), expected);
}

TEST(NativeFormat, EverySavedCellSurvivesWriteAndRead)
{
    BoringData data = fullStore();
    BoringData readBack;
    const std::string first = writeAndReadBack(data, readBack);

    // The saved file holds the derived values; the save step brings the
    // store itself to them.
    updateSavedValues(data);
    EXPECT_EQ(data.headingLine(14), "51,52,53");
    EXPECT_EQ(data.headingLine(45), "20.00");
    EXPECT_EQ(data.headingLine(46), "19.27");
    EXPECT_EQ(data.observationRows.cell(2, 4), sjis("貝殻片を含む\r\n"));

    for (int item = 1; item <= documentOptionCount; ++item)
        EXPECT_EQ(readBack.documentOption(item).value, data.documentOption(item).value) << item;
    EXPECT_EQ(readBack.headingLines, data.headingLines);
    expectSameRows(data.layerRows, readBack.layerRows, layerSavedCells, "layer");
    expectSameRows(data.sptRows, readBack.sptRows, 6, "spt");
    expectSameRows(data.observationRows, readBack.observationRows, 5, "observation");
    expectSameRows(data.inSituRows, readBack.inSituRows, 8, "in-situ");
    expectSameRows(data.sampleRows, readBack.sampleRows, 6, "sample");
    expectSameRows(data.geologicAgeRows, readBack.geologicAgeRows, 3, "geologic age");
    expectSameRows(data.waterLevelRows, readBack.waterLevelRows, 4, "water level");
    expectSameRows(data.drillingRows, readBack.drillingRows, 2, "drilling");
    expectSameRows(data.recoveryRows, readBack.recoveryRows, 7, "recovery");
    expectSameRows(data.freeNoteRows, readBack.freeNoteRows, 5, "free note");
    EXPECT_EQ(readBack.freeNoteHeader, data.freeNoteHeader);
    EXPECT_EQ(readBack.freeNoteFrameSize, 120);

    EXPECT_EQ(writeNativeFile(readBack), first);
    EXPECT_EQ(writeNativeFile(data), first);
}

TEST(NativeWriter, CellsThatWouldBreakTheLineFormatReadBackSafely)
{
    // Heading lines are not comma-separated: quotes stay as they are there.
    const struct {
        const char* why;
        std::string cell;
        std::string readBack;
        std::string headingReadBack;
    } oneLineCases[] = {
        {"$$ would start a section", "a$$Zb", sjis("a＄＄Zb"), sjis("a＄＄Zb")},
        {"$ split by a BEL", "a$\x07$b", sjis("a＄＄b"), sjis("a＄＄b")},
        {"BEL would end a note",
         "a\x07"
         "b",
         "ab", "ab"},
        {"CR LF would shift every later line", "a\r\nb", "a b", "a b"},
        {"lone CR and LF too", "a\rb\nc", "a b c", "a b c"},
        {"comma is kept between quotes", "a,b", "a,b", "a,b"},
        {"double quote is kept as ＂", "a\"b\"", sjis("a＂b＂"), "a\"b\""},
        {"comma and quote together", sjis("砂,\"礫\""), sjis("砂,＂礫＂"), sjis("砂,\"礫\"")},
        {"full-width text untouched", sjis("表ー　＠"), sjis("表ー　＠"), sjis("表ー　＠")},
    };
    for (const auto& c : oneLineCases) {
        BoringData data = clearedStore();
        data.setHeadingLine(1, c.cell);
        data.setHeadingLine(2, "next");
        data.sampleRows.row(1) = {"1.00", "1.50", "S-1", "T", c.cell, "0"};
        data.sampleRows.row(2) = {"2.00", "2.50", "S-2", "D", "after", "1"};
        data.freeNoteRows.row(1) = {"0", "1", "", "2", c.cell};
        BoringData readBack;
        const std::string bytes = writeAndReadBack(data, readBack);
        EXPECT_EQ(readBack.headingLine(1), c.headingReadBack) << c.why;
        EXPECT_EQ(readBack.headingLine(2), "next") << c.why;
        EXPECT_EQ(readBack.sampleRows.cell(1, 5), c.readBack) << c.why;
        EXPECT_EQ(readBack.sampleRows.cell(1, 6), "0") << c.why;
        EXPECT_EQ(readBack.sampleRows.cell(2, 5), "after") << c.why;
        EXPECT_EQ(readBack.freeNoteRows.cell(1, 5), c.readBack) << c.why;
        EXPECT_EQ(writeNativeFile(readBack), bytes) << c.why;
    }
}

TEST(NativeWriter, ObservationNotesKeepTheirLines)
{
    const struct {
        const char* why;
        std::string note;
        std::string readBack;
    } cases[] = {
        {"@ would end the note", sjis("上部\r\nN値@10\r\n下部\r\n"), sjis("上部\r\nN値＠10\r\n下部\r\n")},
        {"full-width space ends in the byte of @", sjis("砂　礫\r\n"), sjis("砂　礫\r\n")},
        {"BEL would end the note",
         "a\x07"
         "b\r\n",
         "ab\r\n"},
        {"$$ would start a section", "$$Z\r\n", sjis("＄＄Z\r\n")},
        {"gains its closing CR LF", sjis("貝殻片"), sjis("貝殻片\r\n")},
        {"lone LF is a line break", "a\nb\r\n", "a\r\nb\r\n"},
        {"empty lines stay", "a\r\n\r\nb\r\n", "a\r\n\r\nb\r\n"},
        {"empty note", "", "\r\n"},
    };
    for (const auto& c : cases) {
        BoringData data = clearedStore();
        data.observationRows.row(1) = {"0.00", "1.00", "", c.note, "1"};
        data.observationRows.row(2) = {"1.00", "2.00", "", "next\r\n", "0"};
        BoringData readBack;
        const std::string bytes = writeAndReadBack(data, readBack);
        EXPECT_EQ(readBack.observationRows.cell(1, 4), c.readBack) << c.why;
        EXPECT_EQ(readBack.observationRows.cell(1, 5), "1") << c.why;
        EXPECT_EQ(readBack.observationRows.cell(2, 1), "1.00") << c.why;
        EXPECT_EQ(readBack.observationRows.cell(2, 4), "next\r\n") << c.why;
        EXPECT_EQ(writeNativeFile(readBack), bytes) << c.why;
    }
}

TEST(NativeWriter, HeadingLineEndingInCrLfIsWrittenAsItIs)
{
    BoringData data = clearedStore();
    data.setHeadingLine(3, sjis("横浜港\r\n"));
    const std::string bytes = writeNativeFile(data);
    EXPECT_NE(bytes.find(sjis("\r\n横浜港\r\n\r\n")), std::string::npos);
    EXPECT_EQ(readText(bytes, FormatCode::Native).headingLine(3), sjis("横浜港"));
}

TEST(NativeWriter, LatitudeAndLongitudeLinesAreJoinedFromTheirPartsAsWritten)
{
    BoringData data = clearedStore();
    data.setHeadingLine(51, "35\r\n");
    data.setHeadingLine(52,
                        "2\x07"
                        "7");
    data.setHeadingLine(53, "12.5\r\r\n\r\n");
    data.setHeadingLine(56, "$$");
    const std::string bytes = writeNativeFile(data);
    updateSavedValues(data);
    EXPECT_EQ(data.headingLine(14), "35,27,12.5  ");
    EXPECT_EQ(data.headingLine(15), sjis(",,＄＄"));
    BoringData readBack = readText(bytes, FormatCode::Native);
    EXPECT_EQ(writeNativeFile(readBack), bytes);
}

TEST(NativeWriter, SaveWritesTheFileOrReportsTheFailure)
{
    kolv::test::TemporaryFolder folder;
    BoringData data = fullStore();
    Issues issues;
    const std::string path = folder.file("doc.vla");
    kolv::test::writeFile(path, "old");
    ASSERT_TRUE(saveNativeFile(data, path, issues));
    EXPECT_EQ(kolv::test::readFile(path), writeNativeFile(data));
    EXPECT_TRUE(issues.empty());

    EXPECT_FALSE(saveNativeFile(data, folder.file("missing/doc.vla"), issues));
    ASSERT_EQ(issues.size(), 1u);
    EXPECT_EQ(issues[0].messageId, 4005);
    EXPECT_EQ(issues[0].text, sjis("保存できませんでした"));
    EXPECT_EQ(issues[0].kind, MessageKind::Error);
}

TEST(NativeReader, SectionsRowsAndLimits)
{
    const BoringData data = readText(crLfLines({
                                         "$$_QZORIB100",
                                         "$$x",
                                         "1,2,3",
                                         "9,8",
                                         "$$Z",
                                         "L1",
                                         "",
                                         "",
                                         "",
                                         "",
                                         "",
                                         "",
                                         "",
                                         "",
                                         "",
                                         "",
                                         "",
                                         "",
                                         "1,2,3",  // line 14
                                         "4,5,6",  // line 15: fills 51-56
                                         "$$",     // ignored, section unchanged
                                         "L16",
                                         "$$A",
                                         "2.00,砂,,灰,,,,,,,",         // cell 7 empty: pattern from the name
                                         "4.00,砂,,灰,9.1,,247,X,,,",  // cell 7 numeric: cell 5 kept
                                         "6.00,,,,,,,,,,",             // no name: no lookup
                                         "$$W",
                                         "-1.00,04/01,rest",
                                         "-2.00,04/02,,5",
                                         "$$N",
                                         "0.00,8.00,沖積層",
                                         "$$Q",
                                         "unknown section line",
                                         "$$F",
                                         ",95,,,,",
                                         "0,1,2,3,四,",
                                     }),
                                     FormatCode::Native);
    EXPECT_EQ(data.documentOption(1).value, "9");
    EXPECT_EQ(data.documentOption(3).value, "");
    EXPECT_EQ(data.headingLine(1), "L1");
    EXPECT_EQ(data.headingLine(16), "L16");
    EXPECT_EQ(data.headingLine(51), "1");
    EXPECT_EQ(data.headingLine(56), "6");
    EXPECT_EQ(data.layerRows.cell(1, 5), "200.0");
    EXPECT_EQ(data.layerRows.cell(1, 8), "S");
    EXPECT_EQ(data.layerRows.cell(2, 5), "9.1");
    EXPECT_EQ(data.layerRows.cell(2, 8), "X");
    EXPECT_EQ(data.layerRows.cell(3, 5), "");
    EXPECT_EQ(data.waterLevelRows.cell(1, 3), "rest");
    EXPECT_EQ(data.waterLevelRows.cell(1, 4), "3");
    EXPECT_EQ(data.waterLevelRows.cell(2, 4), "5");
    EXPECT_EQ(data.geologicAgeRows.cell(1, 3), sjis("沖積層"));
    EXPECT_EQ(data.freeNoteFrameSize, 95);
    EXPECT_EQ(data.freeNoteRows.cell(1, 5), sjis("四"));
    // Nothing of another format's completion is applied.
    EXPECT_EQ(data.headingLine(70), "");
}

TEST(NativeReader, LatitudeLinesOfTheBlockOverwriteTheSplit)
{
    std::vector<std::string_view> lines = {"$$_QZORIB100", "$$Z"};
    for (int line = 1; line <= 60; ++line)
        lines.push_back(line == 14 ? "35,26,10.5" : "");
    std::string text;
    for (std::string_view line : lines)
        text += std::string(line) + "\r\n";
    const BoringData data = readText(text, FormatCode::Native);
    EXPECT_EQ(data.headingLine(14), "35,26,10.5");
    EXPECT_EQ(data.headingLine(51), "");
    EXPECT_EQ(data.headingLine(53), "");
}

TEST(NativeReader, RowsPastTheCapacityAreDropped)
{
    std::string text = "$$_QZORIB100\r\n$$Z\r\n";
    for (int line = 1; line <= 125; ++line)
        text += "h" + std::to_string(line) + "\r\n";
    text += "$$A\r\n";
    for (int row = 1; row <= 205; ++row)
        text += std::to_string(row) + ".00\r\n";
    text += "$$K\r\n";
    for (int row = 1; row <= 205; ++row)
        text += std::to_string(row) + "\r\n" + std::to_string(row + 1) + "\r\n\r\nnote\r\n\x07\r\n0\r\n";
    text += "$$W\r\n-1.00,01/01,,1\r\n";
    const BoringData data = readText(text, FormatCode::Native);
    EXPECT_EQ(data.headingLine(120), "h120");
    EXPECT_EQ(occupiedRowCount(data.layerRows), 200);
    EXPECT_EQ(data.layerRows.cell(200, 1), "200.00");
    EXPECT_EQ(occupiedRowCount(data.observationRows), 200);
    EXPECT_EQ(data.observationRows.cell(200, 4), "note\r\n");
    EXPECT_EQ(data.waterLevelRows.cell(1, 1), "-1.00");
}

TEST(NativeReader, LineEndsAreStrippedOnlyWhenTheyAreReal)
{
    // LF-only files read like CR LF files; a last line without a line end
    // keeps its last character, even a double-byte one; a lone CR stays.
    const std::string unixText = "$$_QZORIB100\n$$Z\nabc\r\n" + sjis("横") + "\rx\n" + sjis("砂");
    const BoringData data = readText(unixText, FormatCode::Native);
    EXPECT_EQ(data.headingLine(1), "abc");
    EXPECT_EQ(data.headingLine(2), sjis("横") + "\rx");
    EXPECT_EQ(data.headingLine(3), sjis("砂"));
}

TEST(NativeReader, LongLinesAreReadWholeAndReportedOncePerFile)
{
    const std::string longName(3000, 'a');
    const std::string text = "$$_QZORIB100\r\n$$A\r\n1.00," + longName + ",,,,,,,,,\r\n2.00," + longName
        + ",,,,,,,,,\r\n$$C\r\n3.00," + longName + "\r\n";
    Issues issues;
    const BoringData data = readText(text, FormatCode::Native, kolv::test::smallMaster(), &issues);
    EXPECT_EQ(data.layerRows.cell(1, 2), longName);
    EXPECT_EQ(data.layerRows.cell(2, 2), longName);
    EXPECT_EQ(data.sptRows.cell(1, 2), longName);
    ASSERT_EQ(issues.size(), 1u);
    EXPECT_EQ(issues[0].text, "too many csv");
    EXPECT_EQ(issues[0].kind, MessageKind::Warning);
}
