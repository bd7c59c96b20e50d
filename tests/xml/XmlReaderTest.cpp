// The exchange-file import on small hand-made documents, each opened from a
// file as the Open command opens it (detection, reader, post-processing).
#include "ExchangeFile.h"

#include "formats/XmlRowCompletion.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kolv {
namespace {

using test::exchangeDocument;
using test::openExchangeBytes;
using test::sjis;
using test::utf8;

std::string element(std::string_view name, std::string_view value)
{
    return "<" + std::string(name) + ">" + std::string(value) + "</" + std::string(name) + ">";
}

std::string group(std::string_view name, std::initializer_list<std::pair<const char*, const char*>> elements)
{
    std::string text = "<" + std::string(name) + ">\r\n";
    for (const auto& [elementName, value] : elements)
        text += "  " + element(elementName, value) + "\r\n";
    return text + "</" + std::string(name) + ">\r\n";
}

std::string core(const std::string& groups)
{
    return "<コア情報>\r\n" + groups + "</コア情報>";
}

// The saved cells of a row (a layer row's memory-only cells are left out).
template <class Table> std::vector<std::string> rowCells(const Table& table, int row)
{
    std::vector<std::string> cells;
    for (int cell = 1; cell <= std::min(Table::cellCount, layerSavedCells); ++cell)
        cells.push_back(utf8(table.cell(row, cell)));
    return cells;
}

SoilNameMaster gravelAndSandMaster()
{
    SoilNameMaster master;
    master.rows = {{sjis("礫"), "G", {100, 100}, {0, 0}}, {sjis("砂"), "S", {300, 300}, {0, 0}}};
    master.firstRow[1] = {1, 1};
    master.lastRow[1] = {2, 2};
    return master;
}

TEST(XmlImport, VersionMarkDecidesTheDateFormAndUnknownVersionsAreReported)
{
    struct Case {
        const char* versionAttribute;
        bool datesSplit;
        bool reported;
    };
    const Case cases[] = {
        {"DTD_version=\"2.00\"", true, false},  {"DTD_version=\"2.01\"", true, false},
        {"DTD_version=\"2.10\"", true, false},  {"DTD_version=\"3.00\"", true, false},
        {"DTD_version=\"4.00\"", true, false},  {"DTD_version=\"2.05\"", true, true},
        {"DTD_version=\"1.10\"", false, false}, {"DTD_version='1.10'", false, false},
    };
    const std::string body = "<標題情報><調査期間>" + element("調査期間_開始年月日", "2004-05-20")
        + element("調査期間_終了年月日", "2004-6-1") + "</調査期間></標題情報>";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.versionAttribute);
        const auto opened = openExchangeBytes(exchangeDocument(c.versionAttribute, body));
        ASSERT_EQ(opened->status, OpenStatus::Opened);
        EXPECT_EQ(opened->hasMessage(4010), c.reported);
        if (c.datesSplit) {
            EXPECT_EQ(opened->heading(6) + "|" + opened->heading(7) + "|" + opened->heading(8), "2004|05|20");
            EXPECT_EQ(opened->heading(9) + opened->heading(10) + opened->heading(11), "");
        } else {
            EXPECT_EQ(opened->heading(6), "2004-05-20");
            EXPECT_EQ(opened->heading(9), "2004-6-1");
        }
        EXPECT_EQ(opened->heading(70), "港 湾 柱 状 図");
    }
}

TEST(XmlImport, HeadingElementsFillTheirLines)
{
    const std::string body = "<標題情報>\r\n<調査基本情報>" + element("事業工事名", "港湾整備")
        + element("調査名", "岸壁調査") + element("ボーリング名", "No.3") + "</調査基本情報>\r\n<経度緯度情報>"
        + element("経度_度", "135") + element("経度_分", "49") + element("経度_秒", "58.2") + element("緯度_度", "34")
        + element("緯度_分", "59") + element("緯度_秒", "53.2") + element("測地系", "1")
        + "</経度緯度情報>\r\n<調査位置>" + element("調査位置住所", "港町1") + element("コード1次", "5339")
        + element("コード2次", "65") + element("コード3次", "43") + "</調査位置>\r\n"
        + element("発注機関名称", "港湾事務所") + "\r\n<調査会社>" + element("調査会社_名称", "海洋地質")
        + element("調査会社_TEL", "012-345") + element("調査会社_主任技師_氏名", "甲")
        + element("調査会社_主任技師_地質調査技士登録番号", "111") + element("調査会社_現場代理人_氏名", "乙")
        + element("調査会社_コア鑑定者_氏名", "丙") + element("調査会社_ボーリング責任者_氏名", "丁")
        + element("調査会社_ボーリング責任者_地質調査技士登録番号", "444") + "</調査会社>\r\n<ボーリング基本情報>"
        + element("孔口標高", "-3.20") + element("総掘進長", "25.45") + element("柱状図様式", "11")
        + element("掘進角度", "90") + element("掘進方向", "0") + element("地盤勾配", "0") + "</ボーリング基本情報>\r\n"
        + element("試錐機_名称", "YBM") + element("エンジン_名称", "NFD") + element("ポンプ_名称", "MG")
        + "\r\n</標題情報>\r\n" + core(group("色調", {{"色調_下端深度", "1.00"}}) + element("調査名", "後から"));
    const auto opened = openExchangeBytes(exchangeDocument("DTD_version=\"2.10\"", body));
    ASSERT_EQ(opened->status, OpenStatus::Opened);
    const std::vector<std::pair<int, const char*>> expected = {
        {1, "岸壁調査"},  {2, "港湾整備"}, {3, "港町1"}, {4, "港湾事務所"}, {5, "No.3"},      {13, "-3.20"},
        {16, "甲"},       {17, "乙"},      {18, "丙"},   {19, "丁"},        {20, "YBM"},      {22, "NFD"},
        {23, "MG"},       {24, "90"},      {25, "0"},    {26, "0"},         {27, "53396543"}, {37, "25.45"},
        {39, "海洋地質"}, {40, "012-345"}, {51, "34"},   {52, "59"},        {53, "53.2"},     {54, "135"},
        {55, "49"},       {56, "58.2"},    {57, "11"},   {58, "65"},        {59, "43"},       {76, "111"},
        {77, ""},         {79, "444"},
    };
    for (const auto& [line, text] : expected)
        EXPECT_EQ(opened->heading(line), text) << "heading line " << line;
}

TEST(XmlImport, HammerDropDeviceCodeBecomesItsName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1", "全自動"}, {"2", "半自動"}, {"3", "トンビ"}, {"4", "コーンプーリー"}, {"5", ""}, {"", ""},
    };
    for (const auto& [code, name] : cases) {
        SCOPED_TRACE(code);
        const auto opened = openExchangeBytes(
            exchangeDocument("DTD_version=\"3.00\"",
                             "<ハンマー落下用具>" + element("ハンマー落下用具_コード", code) + "</ハンマー落下用具>"));
        EXPECT_EQ(opened->heading(21), name);
    }
    const auto older =
        openExchangeBytes(exchangeDocument("DTD_version=\"1.10\"", element("ハンマ落下用具_コード", "3")));
    EXPECT_EQ(older->heading(21), "トンビ");
}

TEST(XmlImport, EveryLayerGenerationFillsOneSortedLayerTable)
{
    const std::string groups =
        group("地質区分", {{"地質区分_深度", "1.80"}, {"地質区分_地質名称1", "砂"}, {"地質区分_地質名称2", "礫"}})
        + group("土質岩種区分",
                {{"土質岩種区分_下端深度", "3.00"},
                 {"土質岩種区分_土質岩種区分1", "砂"},
                 {"土質岩種区分_土質岩種記号1", "S"},
                 {"土質岩種区分_土質岩種区分2", "礫"}})
        + group("岩石土区分",
                {{"岩石土区分_下端深度", "0.50"}, {"岩石土区分_岩石土名", "礫"}, {"岩石土区分_岩石土記号", "G"}})
        + group("工学的地質区分名現場土質名",
                {{"工学的地質区分名現場土質名_下端深度", "5.00"},
                 {"工学的地質区分名現場土質名_工学的地質区分名現場土質名", "砂"},
                 {"工学的地質区分名現場土質名_工学的地質区分名現場土質名記号", "S"}})
        + group("岩石土区分", {{"岩石土区分_下端深度", "深部"}, {"岩石土区分_岩石土名", "砂"}});
    const auto opened =
        openExchangeBytes(exchangeDocument("DTD_version=\"3.00\"", core(groups)), gravelAndSandMaster());
    ASSERT_EQ(opened->status, OpenStatus::Opened);
    const auto& layers = opened->data.layerRows;
    ASSERT_EQ(occupiedRowCount(layers), 4);
    using Cells = std::vector<std::string>;
    EXPECT_EQ(rowCells(layers, 1), (Cells{"0.50", "礫", "", "", "100.0", "", "471", "G", "", "", "・"}));
    EXPECT_EQ(rowCells(layers, 2), (Cells{"1.80", "砂", "礫", "", "300.0", "100.0", "471", "", "", "", "・"}));
    EXPECT_EQ(rowCells(layers, 3), (Cells{"3.00", "砂", "礫", "", "300.0", "100.0", "471", "S", "", "", "・"}));
    EXPECT_EQ(rowCells(layers, 4), (Cells{"5.00", "砂", "", "", "300.0", "", "471", "S", "", "", "・"}));
}

TEST(XmlImport, ColoursGoToTheLayerOfTheirDepthOrBecomeLayersOfTheirOwn)
{
    const std::string groups = group("岩石土区分", {{"岩石土区分_下端深度", "1.80"}, {"岩石土区分_岩石土名", "砂"}})
        + group("岩石土区分", {{"岩石土区分_下端深度", "3.00"}, {"岩石土区分_岩石土名", "礫"}})
        + group("色調", {{"色調_下端深度", "1.8005"}, {"色調_色調名", "暗褐"}})
        + group("色調", {{"色調_下端深度", "2.50"}, {"色調_色調名", "灰"}})
        + group("色調", {{"色調_下端深度", ""}, {"色調_色調名", "青"}});
    const auto opened = openExchangeBytes(exchangeDocument("DTD_version=\"3.00\"", core(groups)));
    const auto& layers = opened->data.layerRows;
    ASSERT_EQ(occupiedRowCount(layers), 3);
    EXPECT_EQ(utf8(layers.cell(1, 1)) + utf8(layers.cell(1, 4)) + "|" + layers.cell(1, 7), "1.80暗褐|503");
    using Cells = std::vector<std::string>;
    EXPECT_EQ(rowCells(layers, 2), (Cells{"2.50", "", "", "灰", "", "", "32", "", "", "", ""}));
    EXPECT_EQ(utf8(layers.cell(3, 2)) + layers.cell(3, 4) + "|" + layers.cell(3, 7), "礫|471");
}

TEST(XmlImport, ColourWalkStopsAtTheLayerCapacity)
{
    std::string groups;
    for (int layer = 1; layer <= 200; ++layer) {
        const std::string depth = std::to_string(layer) + ".00";
        groups += group("岩石土区分", {{"岩石土区分_下端深度", depth.c_str()}});
    }
    groups += group("色調", {{"色調_下端深度", "300.00"}, {"色調_色調名", "灰"}});
    const auto opened = openExchangeBytes(exchangeDocument("DTD_version=\"3.00\"", core(groups)));
    ASSERT_EQ(opened->status, OpenStatus::Opened);
    EXPECT_EQ(occupiedRowCount(opened->data.layerRows), 200);
    EXPECT_EQ(opened->data.layerRows.cell(200, 1), "200.00");
    EXPECT_EQ(opened->data.layerRows.cell(200, 4), "");
}

TEST(XmlImport, PenetrationTestsInCentimetresAndMillimetres)
{
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> elements;
        std::vector<std::string> cells;
    };
    const Case cases[] = {
        {"centimetres",
         {{"標準貫入試験_開始深度", "1.15"},
          {"標準貫入試験_0_10打撃回数", "1"},
          {"標準貫入試験_0_10貫入量", "15"},
          {"標準貫入試験_10_20打撃回数", "1"},
          {"標準貫入試験_10_20貫入量", "16"},
          {"標準貫入試験_20_30打撃回数", "1"},
          {"標準貫入試験_20_30貫入量", "14"},
          {"標準貫入試験_合計打撃回数", "3"},
          {"標準貫入試験_合計貫入量", "45"}},
         {"1.15", "3/45", "1/15", "1/16", "1/14", "0"}},
        {"centimetres, stopped in the first interval",
         {{"標準貫入試験_開始深度", "2.15"},
          {"標準貫入試験_0_10打撃回数", "50"},
          {"標準貫入試験_0_10貫入量", "12"},
          {"標準貫入試験_10_20打撃回数", ""},
          {"標準貫入試験_合計打撃回数", "50"},
          {"標準貫入試験_合計貫入量", "12"}},
         {"2.15", "50/12", "50/12", "", "", "0"}},
        {"millimetres, the total converted like the intervals",
         {{"標準貫入試験_開始深度", "3.15"},
          {"標準貫入試験_0_100打撃回数", "15"},
          {"標準貫入試験_0_100貫入量", "300"},
          {"標準貫入試験_合計打撃回数", "15"},
          {"標準貫入試験_合計貫入量", "300"}},
         {"3.15", "15/30", "15/30", "", "", "0"}},
        {"totals only, in the unit of the 4.00 version",
         {{"標準貫入試験_開始深度", "5.15"}, {"標準貫入試験_合計打撃回数", "50"}, {"標準貫入試験_合計貫入量", "120"}},
         {"5.15", "50/12", "", "", "", "0"}},
        {"millimetres, truncated to whole centimetres",
         {{"標準貫入試験_開始深度", "4.15"},
          {"標準貫入試験_0_100打撃回数", "20"},
          {"標準貫入試験_0_100貫入量", "100"},
          {"標準貫入試験_100_200打撃回数", "30"},
          {"標準貫入試験_100_200貫入量", "59"},
          {"標準貫入試験_200_300打撃回数", ""},
          {"標準貫入試験_200_300貫入量", ""},
          {"標準貫入試験_合計打撃回数", "50"},
          {"標準貫入試験_合計貫入量", "159"}},
         {"4.15", "50/15", "20/10", "30/5", "", "0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string test = "<標準貫入試験>";
        for (const auto& [name, value] : c.elements)
            test += element(name, value) + "\r\n";
        test += "</標準貫入試験>\r\n" + group("標準貫入試験", {{"標準貫入試験_開始深度", "なし"}});
        const auto opened = openExchangeBytes(exchangeDocument("DTD_version=\"4.00\"", core(test)));
        ASSERT_EQ(occupiedRowCount(opened->data.sptRows), 1);
        EXPECT_EQ(rowCells(opened->data.sptRows, 1), c.cells);
    }
}

TEST(XmlImport, WaterLevelsAreNegatedAndOnlyNumericLevelsMakeRows)
{
    // -99.99 (with its type code 91) says that no level was measured.
    const std::string groups =
        group("孔内水位",
              {{"孔内水位_測定年月日", "2004-05-20"},
               {"孔内水位_孔内水位", "2.5"},
               {"孔内水位_水位種別備考", "初期水位"}})
        + "<孔内水位>" + element("孔内水位_測定年月日", "2004-05-21") + "<孔内水位_孔内水位/>" + "</孔内水位>\r\n"
        + group(
            "孔内水位",
            {{"孔内水位_測定年月日", "2004-05-22"}, {"孔内水位_孔内水位", "-99.99"}, {"孔内水位_水位種別コード", "91"}})
        + group("孔内水位", {{"孔内水位_孔内水位", "-99.990"}})
        + group("孔内水位", {{"孔内水位_測定年月日", "0000-06-01"}, {"孔内水位_孔内水位", "0"}});
    const auto opened = openExchangeBytes(exchangeDocument("DTD_version=\"3.00\"", core(groups)));
    const auto& levels = opened->data.waterLevelRows;
    ASSERT_EQ(occupiedRowCount(levels), 2);
    EXPECT_EQ(rowCells(levels, 1), (std::vector<std::string>{"-2.50", "05/20", "初期水位", "7"}));
    EXPECT_EQ(rowCells(levels, 2), (std::vector<std::string>{"+0.00", "06/01", "", "7"}));
}

TEST(XmlImport, TheTitleBlockShowsTheLastMeasuredWaterLevel)
{
    struct Measurement {
        const char* date;
        const char* level;
        const char* kind;
    };
    struct Case {
        const char* what;
        std::vector<Measurement> measurements;
        const char* level;
        const char* date;
        int rows;
    };
    const Case cases[] = {
        {"one measurement", {{"2004-05-20", "2.5", ""}}, "-2.50", "05/20", 1},
        {"the latest date, wherever the file lists it",
         {{"2021-05-10", "2.35", ""}, {"2021-06-11", "2.40", ""}, {"2021-05-12", "2.00", ""}},
         "-2.40",
         "06/11",
         3},
        {"dates without leading zeros", {{"1996-1-9", "1.0", ""}, {"1996-1-10", "3.0", ""}}, "-3.00", "1/10", 2},
        {"the later reading of one day", {{"2020-12-04", "3.87", ""}, {"2020-12-04", "2.85", ""}}, "-2.85", "12/04", 2},
        {"levels not measured are passed over",
         {{"2010-10-20", "2.20", "19"},
          {"2010-10-21", "-99.99", "91"},
          {"2010-10-26", "21.20", "91"},
          {"2010-10-29", "-99.99", "19"}},
         "-2.20",
         "10/20",
         1},
        {"a reading without a date counts first", {{"2004-05-20", "2.5", ""}, {"", "3.0", ""}}, "-2.50", "05/20", 2},
        {"water above the ground", {{"2020-11-27", "-0.20", "29"}}, "+0.20", "11/27", 1},
        {"nothing measured", {{"2020-11-26", "-99.99", "91"}}, "", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string groups;
        for (const Measurement& m : c.measurements)
            groups += group("孔内水位",
                            {{"孔内水位_測定年月日", m.date},
                             {"孔内水位_孔内水位", m.level},
                             {"孔内水位_水位種別コード", m.kind},
                             {"孔内水位_水位種別備考", ""}});
        const auto opened = openExchangeBytes(exchangeDocument("DTD_version=\"3.00\"", core(groups)));
        EXPECT_EQ(opened->heading(31), c.level);
        EXPECT_EQ(opened->heading(32), c.date);
        EXPECT_EQ(opened->heading(49), "0");
        EXPECT_EQ(occupiedRowCount(opened->data.waterLevelRows), c.rows);
    }
}

TEST(XmlImport, FilesOfDtdOneTenOrderWaterLevelsByTheirDateElements)
{
    const auto measurement = [](const char* month, const char* day, const char* level) {
        return group("孔内水位",
                     {{"孔内水位_測定年", "2001"},
                      {"孔内水位_測定月", month},
                      {"孔内水位_測定日", day},
                      {"孔内水位_孔内水位", level}});
    };
    const std::string groups = measurement("05", "25", "6.0") + measurement("05", "20", "5.05");
    const auto opened = openExchangeBytes(exchangeDocument("DTD_version=\"1.10\"", core(groups)));
    EXPECT_EQ(opened->heading(31), "-6.00");
    EXPECT_EQ(occupiedRowCount(opened->data.waterLevelRows), 2);
}

TEST(XmlImport, MeasuringDatesLoseTheirYear)
{
    const std::pair<const char*, const char*> cases[] = {
        {"2004-05-20", "05/20"},      {"1996-1-10", "1/10"}, {"0000-05-20", "05/20"},
        {"1899-05-20", "1899/05/20"}, {"05-20", "05/20"},    {"", ""},
    };
    for (const auto& [date, shortened] : cases)
        EXPECT_EQ(shortenMeasuringDate(date), shortened) << date;
}

TEST(XmlImport, ObservationNotesBreakLinesAtBackslashNAndGetUpperDepths)
{
    const std::string groups = group("観察記事",
                                     {{"観察記事_上端深度", "0.00"},
                                      {"観察記事_下端深度", "1.80"},
                                      {"観察記事_記事", "含水量少ない。\\n木片混入。"}})
        + group("観察記事", {{"観察記事_下端深度", "3.00"}, {"観察記事_記事", "表n層\\nソ"}})
        + group("観察記事", {{"観察記事_記事", "深度のない記事"}})
        + group("観察記事", {{"観察記事_上端深度", "3.00"}, {"観察記事_下端深度", "4.50"}, {"観察記事_記事", "礫"}})
        + group("観察記事枠線", {{"観察記事枠線_下端深度", "1.80"}})
        + group("観察記事枠線", {{"観察記事枠線_下端深度", "3.00"}})
        + group("観察記事枠線", {{"観察記事枠線_下端深度", "4.50"}})
        + group("観察記事枠線", {{"観察記事枠線_下端深度", "6.00"}});
    const auto opened = openExchangeBytes(exchangeDocument("DTD_version=\"4.00\"", core(groups)));
    const auto& notes = opened->data.observationRows;
    ASSERT_EQ(occupiedRowCount(notes), 3);
    EXPECT_EQ(rowCells(notes, 1), (std::vector<std::string>{"0.00", "1.80", "", "含水量少ない。\r\n木片混入。", ""}));
    // The frame lines give depths only to notes that have none; "表" ends in
    // the byte of a backslash, but "表n" is no line break.
    EXPECT_EQ(rowCells(notes, 2), (std::vector<std::string>{"3.00", "3.00", "", "表n層\r\nソ", ""}));
    EXPECT_EQ(rowCells(notes, 3), (std::vector<std::string>{"3.00", "4.50", "", "礫", ""}));
    EXPECT_EQ(notes.cell(4, 4), "");
}

TEST(XmlImport, ValuesWrittenOverSeveralLinesKeepEveryLine)
{
    struct Case {
        const char* what;
        const char* surveyName;  // as written between the tags
        const char* heading;
    };
    const Case cases[] = {
        {"break before the end tag", "平成24年度 地すべり対策事業\r\n 高野3期地区 委託業務第2号\r\n",
         "平成24年度 地すべり対策事業 高野3期地区 委託業務第2号"},
        {"end tag after the last line", "第1工区\n\t第2工区", "第1工区 第2工区"},
        {"three lines and blank lines", "a\r\n\r\nb \r\n  c  ", "a b c"},
        {"one line", "護岸調査", "護岸調査"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string body = "<標題情報>\r\n<調査基本情報>\r\n<調査名>" + std::string(c.surveyName)
            + "</調査名>\r\n<事業工事名>工事</事業工事名>\r\n</調査基本情報>\r\n</標題情報>\r\n"
            + core(group("観察記事", {{"観察記事_下端深度", "1.80"}, {"観察記事_記事", "x"}}));
        const auto opened = openExchangeBytes(exchangeDocument("DTD_version=\"3.00\"", body));
        EXPECT_EQ(opened->heading(1), c.heading);
        EXPECT_EQ(opened->heading(2), "工事");
        EXPECT_EQ(utf8(opened->data.observationRows.cell(1, 4)), "x");
    }
    // A note keeps its lines as lines.
    const std::string notes = "<観察記事>\r\n<観察記事_下端深度>1.80</観察記事_下端深度>\r\n"
                              "<観察記事_記事>含水量少ない。\r\n木片混入。</観察記事_記事>\r\n</観察記事>\r\n";
    const auto opened = openExchangeBytes(exchangeDocument("DTD_version=\"3.00\"", core(notes)));
    EXPECT_EQ(utf8(opened->data.observationRows.cell(1, 4)), "含水量少ない。\r\n木片混入。");
    EXPECT_EQ(opened->data.observationRows.cell(1, 2), "1.80");
}

TEST(XmlImport, NotesWithoutUpperDepthTakeThePreviousLowerDepth)
{
    const std::string groups = group("観察記事", {{"観察記事_下端深度", "1.20"}, {"観察記事_記事", "a"}})
        + group("観察記事", {{"観察記事_上端深度", ""}, {"観察記事_下端深度", "2.40"}});
    const auto opened = openExchangeBytes(exchangeDocument("DTD_version=\"3.00\"", core(groups)));
    const auto& notes = opened->data.observationRows;
    EXPECT_EQ(notes.cell(1, 1) + "-" + notes.cell(1, 2) + " " + notes.cell(2, 1) + "-" + notes.cell(2, 2),
              "0.0-1.20 1.20-2.40");
}

TEST(XmlImport, SamplesGetMethodLettersAndJoinedTestNames)
{
    const std::pair<const char*, const char*> methods[] = {
        {"100", "-"}, {"250", "T"}, {"300", "D"}, {"507", "F"}, {"200", "A"}, {"", "A"},
    };
    std::string groups;
    for (const auto& [code, letter] : methods) {
        groups += "<試料採取>" + element("試料採取_上端深度", "1.00") + element("試料採取_下端深度", "1.80")
            + element("試料採取_試料番号", "T1") + element("試料採取_採取方法コード", code)
            + element("試料採取_採取方法", "固定ピストン") + element("試料採取_試験名", "土粒子の密度試験")
            + element("試料採取_試験名", "含水比試験") + "</試料採取>\r\n";
    }
    groups += group("採取試料", {{"採取試料_上端深度", "5.00"}, {"採取試料_試料番号", "T9"}});
    const auto opened = openExchangeBytes(exchangeDocument("DTD_version=\"3.00\"", core(groups)));
    const auto& samples = opened->data.sampleRows;
    ASSERT_EQ(occupiedRowCount(samples), 6);
    for (int row = 1; row <= 6; ++row) {
        SCOPED_TRACE(methods[row - 1].first);
        EXPECT_EQ(rowCells(samples, row),
                  (std::vector<std::string>{"1.00", "1.80", "T1", methods[row - 1].second, "土粒子の密度試験含水比試験",
                                            ""}));
    }
}

TEST(XmlImport, InSituTestsArriveWithNameAndResultInDepthOrder)
{
    // The loading test of 4.00 (孔内載荷試験) is the horizontal loading test of
    // the earlier versions under a new name.
    const std::string groups = group("孔内水平載荷試験",
                                     {{"孔内水平載荷試験_試験深度", "10.0"},
                                      {"孔内水平載荷試験_試験方法コード", "02"},
                                      {"孔内水平載荷試験_変形係数", "1308"}})
        + group("孔内水平載荷試験", {{"孔内水平載荷試験_試験深度", "26.3"}, {"孔内水平載荷試験_変形係数", "24656"}})
        + group("孔内載荷試験",
                {{"孔内載荷試験_試験深度", "12.0"},
                 {"孔内載荷試験_試験方法コード", "1"},
                 {"孔内載荷試験_初期圧", "30"},
                 {"孔内載荷試験_変形係数", "1.31E+03"}})
        + group("孔内載荷試験", {{"孔内載荷試験_試験方法コード", "1"}})
        + group("その他原位置試験",
                {{"その他原位置試験_試験名", "原位置ベーンせん断試験"},
                 {"その他原位置試験_上端深度", "10.00"},
                 {"その他原位置試験_下端深度", "10.84"},
                 {"その他原位置試験_試験結果", "20.4kN/m2"}});
    using Cells = std::vector<std::string>;
    for (const char* version : {"DTD_version=\"3.00\"", "DTD_version=\"4.00\""}) {
        SCOPED_TRACE(version);
        const auto opened = openExchangeBytes(exchangeDocument(version, core(groups)));
        const auto& tests = opened->data.inSituRows;
        ASSERT_EQ(occupiedRowCount(tests), 4);
        EXPECT_EQ(rowCells(tests, 1), (Cells{"10.0", "孔内載荷試験", "1308", "7", "", "", "10.0", "7"}));
        EXPECT_EQ(rowCells(tests, 2),
                  (Cells{"10.00", "原位置ベーンせん断試験", "20.4kN/m2", "7", "", "", "10.00", "7"}));
        EXPECT_EQ(rowCells(tests, 3), (Cells{"12.0", "孔内載荷試験", "1.31E+03", "7", "", "", "12.0", "7"}));
        EXPECT_EQ(rowCells(tests, 4), (Cells{"26.3", "孔内載荷試験", "24656", "7", "", "", "26.3", "7"}));
    }
}

TEST(XmlImport, DrillingProgressOfBothGenerationsBecomesDrillingRows)
{
    const std::string groups = group("削孔工程", {{"削孔工程_測定年月日", "2001-05-01"}, {"削孔工程_削孔深度", "3.00"}})
        + group("掘削工程", {{"掘削工程_測定年月日", "2001-05-08"}, {"掘削工程_掘進深度", "6.00"}})
        + group("掘削工程", {{"掘削工程_測定日", "09"}, {"掘削工程_掘進深度", "9.00"}});
    const auto opened = openExchangeBytes(exchangeDocument("DTD_version=\"4.00\"", core(groups)));
    const auto& progress = opened->data.drillingRows;
    ASSERT_EQ(occupiedRowCount(progress), 2);
    EXPECT_EQ(progress.cell(1, 1) + " " + progress.cell(1, 2) + " " + progress.cell(2, 1) + " " + progress.cell(2, 2),
              "3.00 05/01 6.00 05/08");
}

TEST(XmlImport, GeologicAgesKeepDepthsAndName)
{
    const std::string groups =
        group("地質時代",
              {{"地質時代_上端深度", "0.00"}, {"地質時代_下端深度", "24.55"}, {"地質時代_地質時代名", "完新世"}})
        + group("地質時代",
                {{"地質時代_上端深度", "24.55"}, {"地質時代_下端深度", "30.15"}, {"地質時代_時代名", "更新世"}});
    const auto opened = openExchangeBytes(exchangeDocument("DTD_version=\"3.00\"", core(groups)));
    const auto& ages = opened->data.geologicAgeRows;
    EXPECT_EQ(rowCells(ages, 1), (std::vector<std::string>{"0.00", "24.55", "完新世"}));
    EXPECT_EQ(rowCells(ages, 2), (std::vector<std::string>{"24.55", "30.15", "更新世"}));
}

}  // namespace
}  // namespace kolv
