// The exchange-file export on hand-made stores: the form of the file, its
// escaping, the values it reports, and what the import reads back from it.
#include "ExchangeFile.h"
#include "ExportRoundTrip.h"

#include "data/Number.h"
#include "formats/XmlWriter.h"
#include "platform/Cp932Codec.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace kolv {
namespace {

using test::carriedCellDifferences;
using test::describe;
using test::importExported;
using test::sjis;
using test::utf8;

// A store with one row in every table and the survey dated, so that a test
// only sets what it is about.
BoringData smallStore()
{
    BoringData data;
    clear(data);
    data.setHeadingLine(6, "2024");
    data.setHeadingLine(7, "05");
    data.setHeadingLine(8, "13");
    data.layerRows.row(1) = {"3.20", sjis("埋土"), "", sjis("暗灰"), "", "", "", "B"};
    data.sptRows.row(1) = {"1.15", "6", "2", "2", "2", ""};
    data.observationRows.row(1) = {"0.00", "3.20", "", sjis("細砂主体"), ""};
    data.sampleRows.row(1) = {"5.00", "5.90", "T-1", "T", sjis("物理"), "0"};
    data.inSituRows.row(1) = {"6.00", sjis("現場透水試験"), "k=3.2E-5m/s", "7", "", "1", "6.00", ""};
    data.geologicAgeRows.row(1) = {"0.00", "3.20", sjis("完新統")};
    data.waterLevelRows.row(1) = {"-2.10", "05/14", sjis("孔内水位"), "7"};
    data.drillingRows.row(1) = {"5.00", "05/13"};
    return data;
}

std::string fileText(const XmlExport& exported)
{
    return utf8(exported.bytes);
}

bool holdsLine(const XmlExport& exported, const std::string& line)
{
    return fileText(exported).find(line + "\r\n") != std::string::npos;
}

std::string element(const std::string& name, const std::string& value)
{
    return value.empty() ? "<" + name + "/>" : "<" + name + ">" + value + "</" + name + ">";
}

void expectValid(const XmlExport& exported)
{
    if (!test::xmllintAvailable()) {
        ASSERT_EQ(std::getenv("CI"), nullptr) << "xmllint is missing (tools/setup.sh installs libxml2-utils)";
        return;
    }
    EXPECT_EQ(test::validityErrors(exported.bytes), "");
}

TEST(XmlExport, FileIsWrittenAsThePublishedExamples)
{
    const XmlExport exported = writeXmlFile(smallStore());
    const std::string text = fileText(exported);
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
                         "<!DOCTYPE ボーリング情報 SYSTEM \"BED0400.DTD\">\r\n"
                         "<ボーリング情報 DTD_version=\"4.00\">\r\n\t<基礎情報>\r\n",
                         0),
              0u);
    EXPECT_TRUE(text.ends_with("\t</コア情報>\r\n</ボーリング情報>\r\n"));
    // One element per line, indented by tabs, every line ended by CR LF.
    std::size_t start = 0;
    int lines = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        const std::string line = text.substr(start, end - start);
        EXPECT_EQ(line.find('\n'), std::string::npos) << line;
        EXPECT_EQ(line.find('\r'), std::string::npos) << line;
        const std::size_t tag = line.find_first_not_of('\t');
        ASSERT_NE(tag, std::string::npos);
        EXPECT_EQ(line[tag], '<') << line;
        EXPECT_LE(std::count(line.begin(), line.end(), '<'), 2) << line;
        start = end + 2;
        ++lines;
    }
    EXPECT_GT(lines, 100);
    EXPECT_TRUE(exported.issues.empty());
    expectValid(exported);
}

TEST(XmlExport, MarkupCharactersLineBreaksAndExtendedCharactersAreEscaped)
{
    struct Case {
        const char* stored;   // UTF-8
        const char* written;  // UTF-8, as the survey name's element holds it
    };
    const Case cases[] = {
        {"砂&礫", "砂&amp;礫"},
        {"<調査名>混入", "&lt;調査名&gt;混入"},
        {"\"二重\" 'ひとつ'", "&quot;二重&quot; 'ひとつ'"},
        {"一行目\r\n二行目", "一行目&#13;&#10;二行目"},
        {"Ⅰ層①㈱", "&#x2160;層&#x2460;&#x3231;"},
        {"表～ｱｲｳ\t欄", "表～ｱｲｳ\t欄"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        BoringData data = smallStore();
        data.setHeadingLine(1, sjis(c.stored));
        const XmlExport exported = writeXmlFile(data);
        EXPECT_TRUE(holdsLine(exported, "\t\t\t" + element("調査名", c.written)));
        EXPECT_TRUE(exported.issues.empty());
        EXPECT_EQ(utf8(importExported(exported).headingLine(1)), c.stored);
        expectValid(exported);
    }
}

TEST(XmlExport, NotesKeepTheirLineBreaksAsBackslashN)
{
    BoringData data = smallStore();
    data.observationRows.setCell(1, 4, sjis("含水中位\r\n貝殻片&<混入>\r\n"));
    const XmlExport exported = writeXmlFile(data);
    EXPECT_TRUE(holdsLine(exported, "\t\t\t" + element("観察記事_記事", "含水中位\\n貝殻片&amp;&lt;混入&gt;\\n")));
    EXPECT_EQ(utf8(importExported(exported).observationRows.cell(1, 4)), "含水中位\r\n貝殻片&<混入>\r\n");
}

struct ReportedCase {
    const char* what;
    void (*store)(BoringData&);
    const char* table;  // UTF-8
    int row;
    int cell;
    std::string line;  // the line written instead, UTF-8, without its indentation
};

TEST(XmlExport, ValuesTheFileCannotHoldAreReportedByRowAndCellAndTheFileIsStillWritten)
{
    const ReportedCase cases[] = {
        {"depth with a unit", [](BoringData& d) { d.layerRows.setCell(1, 1, "3.20m"); }, "地質", 1, 1,
         element("工学的地質区分名現場土質名_下端深度", "3.20")},
        {"depth in words", [](BoringData& d) { d.sampleRows.setCell(1, 2, sjis("不明")); }, "試料", 1, 2,
         element("試料採取_下端深度", "")},
        {"elevation in words", [](BoringData& d) { d.setHeadingLine(13, "abc"); }, "見出し", 13, 0,
         element("孔口標高", "")},
        {"vertical angle in words", [](BoringData& d) { d.setHeadingLine(24, sjis("鉛直")); }, "見出し", 24, 0,
         element("角度", "0")},
        {"blows in words", [](BoringData& d) { d.sptRows.setCell(1, 2, sjis("自沈")); }, "Ｎ値", 1, 2,
         element("標準貫入試験_合計打撃回数", "")},
        {"measuring date in words", [](BoringData& d) { d.waterLevelRows.setCell(1, 2, sjis("5月14日")); }, "水位", 1,
         2, element("孔内水位_測定年月日", "")},
        {"survey year without era",
         [](BoringData& d) {
             d.setHeadingLine(6, "6");
             d.waterLevelRows.setCell(1, 2, "");
             d.drillingRows.setCell(1, 2, "");
         },
         "見出し", 6, 0, element("調査期間_開始年月日", "")},
        {"measuring date without a survey year",
         [](BoringData& d) {
             for (int line : {6, 7, 8})
                 d.setHeadingLine(line, "");
             d.waterLevelRows.setCell(1, 2, "");
         },
         "削孔", 1, 2, element("削孔工程_測定年月日", "0000-05-13")},
        {"level that reads as no measurement", [](BoringData& d) { d.waterLevelRows.setCell(1, 1, "+99.99"); }, "水位",
         1, 1, element("孔内水位_孔内水位", "-99.99")},
        {"control character", [](BoringData& d) { d.observationRows.setCell(1, 4, sjis("砂\a礫")); }, "記事", 1, 4,
         element("観察記事_記事", "砂礫")},
        {"byte that is no character",
         [](BoringData& d) {
             d.sampleRows.setCell(1, 3,
                                  "T\xFF"
                                  "1");
         },
         "試料", 1, 3, element("試料採取_試料番号", "T〓1")},
    };
    for (const ReportedCase& c : cases) {
        SCOPED_TRACE(c.what);
        BoringData data = smallStore();
        c.store(data);
        const XmlExport exported = writeXmlFile(data);
        ASSERT_EQ(exported.issues.size(), 1u);
        const XmlExportIssue& issue = exported.issues.front();
        EXPECT_EQ(utf8(issue.table), c.table);
        EXPECT_EQ(issue.row, c.row);
        EXPECT_EQ(issue.cell, c.cell);
        const std::string description = utf8(describeXmlExportIssue(issue));
        EXPECT_NE(description.find(std::string(c.table) + " " + std::to_string(c.row) + "行目"), std::string::npos)
            << description;
        EXPECT_TRUE(holdsLine(exported, "\t\t\t" + c.line) || holdsLine(exported, "\t\t\t\t" + c.line));
        expectValid(exported);
    }
}

TEST(XmlExport, SurveyAndMeasuringDatesAreWrittenWithWesternYears)
{
    struct Case {
        const char* year;
        const char* month;
        const char* day;
        const char* era;  // UTF-8
        const char* written;
    };
    const Case cases[] = {
        {"6", "05", "13", "令和", "2024-05-13"},
        {"16", "4", "1", "平成", "2004-04-01"},
        {"63", "12", "24", "昭和", "1988-12-24"},
        {"2003", "12", "24", "", "2003-12-24"},
        {"", "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        BoringData data = smallStore();
        data.setHeadingLine(6, c.year);
        data.setHeadingLine(7, c.month);
        data.setHeadingLine(8, c.day);
        data.setHeadingLine(34, sjis(c.era));
        data.drillingRows.setCell(1, 2, "");
        data.waterLevelRows.setCell(1, 2, "");
        const XmlExport exported = writeXmlFile(data);
        EXPECT_TRUE(holdsLine(exported, "\t\t\t" + element("調査期間_開始年月日", c.written)));
        EXPECT_TRUE(exported.issues.empty());
    }

    // A survey over the turn of the year: months before the start month are
    // of the end year.
    BoringData data = smallStore();
    data.setHeadingLine(6, "2023");
    data.setHeadingLine(7, "12");
    data.setHeadingLine(8, "20");
    data.setHeadingLine(9, "2024");
    data.setHeadingLine(10, "01");
    data.setHeadingLine(11, "10");
    data.drillingRows.row(1) = {"5.00", "12/28"};
    data.drillingRows.row(2) = {"9.00", "1/6"};
    const XmlExport exported = writeXmlFile(data);
    EXPECT_TRUE(holdsLine(exported, "\t\t\t" + element("削孔工程_測定年月日", "2023-12-28")));
    EXPECT_TRUE(holdsLine(exported, "\t\t\t" + element("削孔工程_測定年月日", "2024-01-06")));
    const BoringData imported = importExported(exported);
    EXPECT_EQ(imported.drillingRows.cell(2, 2), "01/06");
    EXPECT_EQ(imported.headingLine(9), "2024");
}

TEST(XmlExport, PenetrationTestsAreWrittenInMillimetres)
{
    BoringData data = smallStore();
    data.sptRows.row(1) = {"1.15", "6", "2", "2", "2", ""};
    data.sptRows.row(2) = {"28.15", "50/12", "32", "18/2", "", "1"};
    data.sptRows.row(3) = {"29.15", "00/34", "00/34", "", "", ""};
    const XmlExport exported = writeXmlFile(data);
    const std::string text = fileText(exported);
    const std::string expected[] = {
        "<標準貫入試験_開始深度>1.15</標準貫入試験_開始深度>\r\n"
        "\t\t\t<標準貫入試験_0_100打撃回数>2</標準貫入試験_0_100打撃回数>\r\n"
        "\t\t\t<標準貫入試験_0_100貫入量>100</標準貫入試験_0_100貫入量>\r\n",
        "<標準貫入試験_合計打撃回数>6</標準貫入試験_合計打撃回数>\r\n"
        "\t\t\t<標準貫入試験_合計貫入量>300</標準貫入試験_合計貫入量>\r\n",
        "<標準貫入試験_開始深度>28.15</標準貫入試験_開始深度>\r\n"
        "\t\t\t<標準貫入試験_0_100打撃回数>32</標準貫入試験_0_100打撃回数>\r\n"
        "\t\t\t<標準貫入試験_0_100貫入量>100</標準貫入試験_0_100貫入量>\r\n"
        "\t\t\t<標準貫入試験_100_200打撃回数>18</標準貫入試験_100_200打撃回数>\r\n"
        "\t\t\t<標準貫入試験_100_200貫入量>20</標準貫入試験_100_200貫入量>\r\n"
        "\t\t\t<標準貫入試験_合計打撃回数>50</標準貫入試験_合計打撃回数>\r\n"
        "\t\t\t<標準貫入試験_合計貫入量>120</標準貫入試験_合計貫入量>\r\n",
        "<標準貫入試験_合計打撃回数>00</標準貫入試験_合計打撃回数>\r\n"
        "\t\t\t<標準貫入試験_合計貫入量>340</標準貫入試験_合計貫入量>\r\n",
    };
    for (const std::string& part : expected)
        EXPECT_NE(text.find(part), std::string::npos) << part;
    const BoringData imported = importExported(exported);
    EXPECT_EQ(imported.sptRows.row(2)[1], "50/12");
    EXPECT_EQ(imported.sptRows.row(2)[3], "18/2");
    EXPECT_EQ(imported.sptRows.row(1)[1], "6/30");
    EXPECT_EQ(imported.sptRows.row(3)[2], "00/34");
}

TEST(XmlExport, CodesAreWrittenBackThroughTheImportTables)
{
    struct Case {
        const char* letter;  // UTF-8
        std::string written;
        const char* readBack;
    };
    const Case cases[] = {
        {"-", element("試料採取_採取方法コード", "100"), "-"},
        {"T", element("試料採取_採取方法コード", "250"), "T"},
        {"D", element("試料採取_採取方法コード", "300"), "D"},
        {"F", element("試料採取_採取方法コード", "507"), "F"},
        {"A", element("試料採取_採取方法コード", "999"), "A"},
        {"ロータリー式", element("試料採取_採取方法", "ロータリー式"), "A"},
        {"", element("試料採取_採取方法コード", ""), "A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.letter);
        BoringData data = smallStore();
        data.sampleRows.setCell(1, 4, sjis(c.letter));
        const XmlExport exported = writeXmlFile(data);
        EXPECT_TRUE(holdsLine(exported, "\t\t\t" + c.written));
        EXPECT_EQ(utf8(importExported(exported).sampleRows.cell(1, 4)), c.readBack);
    }

    // The name the import gives a loading test sends a row to that group.
    BoringData data = smallStore();
    data.inSituRows.row(2) = {"10.00", sjis("孔内載荷試験"), "1.31E+03", "7", "", "0", "10.00", ""};
    const XmlExport exported = writeXmlFile(data);
    const std::string text = fileText(exported);
    EXPECT_NE(text.find("\t\t<孔内載荷試験>\r\n\t\t\t<孔内載荷試験_試験深度>10.00</孔内載荷試験_試験深度>\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("<孔内載荷試験_変形係数>1.31E+03</孔内載荷試験_変形係数>"), std::string::npos);
    EXPECT_NE(text.find("<その他原位置試験_試験名>現場透水試験</その他原位置試験_試験名>"), std::string::npos);
    EXPECT_LT(text.find("<孔内載荷試験>"), text.find("<その他原位置試験>"));
    expectValid(exported);
}

TEST(XmlExport, TheExchangeFileIsProposedUnderTheDocumentsName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/data/no2.vla", "/data/no2.XML"},
        {"/data/BED0001.xml", "/data/BED0001.XML"},
        {"/data.old/no2", "/data.old/no2.XML"},
        {"C:\\data.old\\no2.vle", "C:\\data.old\\no2.XML"},
    };
    for (const auto& [document, proposed] : cases)
        EXPECT_EQ(exchangeFilePath(document), proposed);
}

TEST(XmlExport, AnEmptyStoreGivesAValidFileThatOpensEmpty)
{
    BoringData data;
    clear(data);
    const XmlExport exported = writeXmlFile(data);
    EXPECT_TRUE(exported.issues.empty());
    EXPECT_TRUE(holdsLine(exported, "\t\t\t" + element("工学的地質区分名現場土質名_下端深度", "")));
    expectValid(exported);
    const BoringData imported = importExported(exported);
    EXPECT_EQ(occupiedRowCount(imported.layerRows), 0);
    EXPECT_EQ(occupiedRowCount(imported.sptRows), 0);
    EXPECT_EQ(imported.headingLine(1), "");
}

// Odd values in every table: the import gives every carried cell back.
BoringData oddStore()
{
    BoringData data = smallStore();
    data.setHeadingLine(1, sjis("横浜港 \"本牧\" 地区 & <その2>"));
    data.setHeadingLine(6, "6");
    data.setHeadingLine(7, "5");
    data.setHeadingLine(34, sjis("令和"));
    data.setHeadingLine(9, "6");
    data.setHeadingLine(10, "05");
    data.setHeadingLine(11, "22");
    data.setHeadingLine(35, sjis("令和"));
    data.setHeadingLine(13, "+4.35");
    data.setHeadingLine(21, sjis("半自動"));
    data.setHeadingLine(27, "53396543");
    data.setHeadingLine(58, "65");
    data.setHeadingLine(59, "43");
    data.setHeadingLine(51, "35");
    data.setHeadingLine(52, "25");
    data.setHeadingLine(53, "12.3");
    data.setHeadingLine(76, sjis("技術士 第12345号"));
    data.layerRows.row(2) = {"5.00", "", "", sjis("黄灰")};
    data.layerRows.row(3) = {"14.80", sjis("貝殻混じりシルト質粘土"), sjis("砂"), "", "535.2", "", "247", "CM-Shl"};
    data.sptRows.row(2) = {"26.15", "50/27", "15", "20", "15/7", "1"};
    data.observationRows.row(2) = {"3.20", "", "", sjis("一行目\n二行目\r三行目\\x"), "1"};
    data.observationRows.row(3) = {"14.80", "19.50", "", "", ""};
    data.inSituRows.row(2) = {"23.50", sjis("孔内水平載荷試験"), "E=1.2MN/m2", "7", "", "1", "23.50", ""};
    data.sampleRows.row(2) = {"9.00", "", "D-1", sjis("ロータリー"), "", "1"};
    data.waterLevelRows.row(2) = {"+0.5", "5/20", "", "3"};
    data.waterLevelRows.row(3) = {"0.00", "", sjis("被圧"), "7"};
    data.drillingRows.row(2) = {"12.00", "5/14"};
    return data;
}

TEST(XmlExport, EveryCarriedCellOfOddValuesComesBack)
{
    const BoringData data = oddStore();
    const XmlExport exported = writeXmlFile(data);
    // Odd values are written as they are; only values the file has no
    // element for (the hammer drop device, a second soil name) are reported.
    for (const XmlExportIssue& issue : exported.issues)
        EXPECT_EQ(utf8(issue.problem), "交換用データ(DTD 4.00)にこの項目はありません. 出力しませんでした.")
            << utf8(describeXmlExportIssue(issue));
    expectValid(exported);
    EXPECT_EQ(describe(carriedCellDifferences(data, importExported(exported), exported.issues)), "");
    EXPECT_NE(describe(carriedCellDifferences(data, smallStore(), {})), "");
}

TEST(XmlExport, TablesAtCapacityComeBackWhole)
{
    BoringData data = smallStore();
    const auto depth = [](int row) { return formatText("%.2f", row * 0.1); };
    for (int row = 1; row <= BoringData::LayerTable::capacity; ++row)
        data.layerRows.row(row) = {depth(row), sjis("砂"), "", row % 2 ? sjis("灰") : "", "", "", "", "S"};
    for (int row = 1; row <= BoringData::SptTable::capacity; ++row)
        data.sptRows.row(row) = {depth(row), formatText("%d/30", row % 60), "1/10", "2/10", "3/10", "0"};
    for (int row = 1; row <= BoringData::ObservationTable::capacity; ++row)
        data.observationRows.row(row) = {depth(row - 1), depth(row), "", sjis("記事 ") + std::to_string(row), ""};
    for (int row = 1; row <= BoringData::InSituTable::capacity; ++row)
        data.inSituRows.row(row) = {depth(row), sjis("ベーン試験"), std::to_string(row), "7", "", "", depth(row), ""};
    for (int row = 1; row <= BoringData::SampleTable::capacity; ++row)
        data.sampleRows.row(row) = {depth(row), depth(row + 1), "T-" + std::to_string(row), "T", "", ""};
    for (int row = 1; row <= BoringData::GeologicAgeTable::capacity; ++row)
        data.geologicAgeRows.row(row) = {depth(row - 1), depth(row), sjis("完新統")};
    for (int row = 1; row <= BoringData::WaterLevelTable::capacity; ++row)
        data.waterLevelRows.row(row) = {formatText("%+.2f", -row * 0.1), "05/14", "", "7"};
    for (int row = 1; row <= BoringData::DrillingTable::capacity; ++row)
        data.drillingRows.row(row) = {depth(row), formatText("05/%02d", row % 28 + 1)};
    const XmlExport exported = writeXmlFile(data);
    EXPECT_TRUE(exported.issues.empty());
    expectValid(exported);
    EXPECT_EQ(describe(carriedCellDifferences(data, importExported(exported), exported.issues)), "");
}

}  // namespace
}  // namespace kolv
