#include "data/FullWidthCheck.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace kolv;
using kolv::test::sjis;

TEST(FullWidthCheck, WhichTextsHoldFullWidthAlphanumerics)
{
    const struct {
        std::string text;
        bool reported;
    } cases[] = {
        {sjis("砂（ＳＰ）"), true},
        {sjis("ｓｐ"), true},
        {sjis("㎝"), true},
        {sjis("①"), true},
        {sjis("深さ１０ｍ"), true},
        {sjis("ｍ"), true},
        {sjis("砂質シルト"), false},
        {"SP 10m", false},
        {"m", false},
        {"", false},
        // "モ" is 0x83 0x82: followed by "`" the bytes 0x82 0x60 spell "Ａ"
        // only to a byte-wise search.
        {sjis("モ`"), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(containsFullWidthAlphanumeric(c.text), c.reported) << c.text;
}

TEST(FullWidthCheck, ReportListsGroupsAndRowsAsTheDialogShowsThem)
{
    BoringData data;
    clear(data);
    EXPECT_EQ(fullWidthCheckReport(data), sjis("無し"));

    data.setHeadingLine(3, sjis("横浜市中区１丁目"));
    data.setHeadingLine(28, sjis("シートＮｏ．"));  // past line 27: not scanned
    data.layerRows.row(1) = {"2.50", sjis("砂（ＳＰ）"), "", sjis("灰"), "", "", "", "", "", "", "", "", "", ""};
    data.layerRows.row(2) = {"4.00", sjis("粘土"), sjis("Ｃ"), sjis("暗灰ＧＹ"), "", "", "", "", "", "", "",
                             "",     "",           ""};
    data.observationRows.row(1) = {"0.00", "2.50", "", sjis("Ｎ値１０前後\r\n貝殻"), "0"};
    data.inSituRows.row(1) = {"3.00", sjis("透水"), sjis("ｋ＝１Ｅ－５"), "7", "", "", "", ""};
    data.sampleRows.row(1) = {"1.00", "1.80", sjis("Ｔ－１"), "T", "", "0"};
    data.freeNoteRows.row(1) = {"0", "1", "", "1", sjis("標高ＤＬ")};
    data.sptRows.row(1) = {"1.15", sjis("１０"), "", "", "", ""};  // the N-value group never reports

    const std::string expected = sjis("▼見出し\r\n"
                                      "(3) 横浜市中区１丁目  \r\n"
                                      "▼地質･色調\r\n"
                                      "( 2.50 m ) 砂（ＳＰ）  \r\n"
                                      "( 4.00 m ) Ｃ  暗灰ＧＹ \r\n"
                                      "▼観察記事\r\n"
                                      "( 0.00m - 2.50m ) Ｎ値１０前後 貝殻  \r\n"
                                      "▼原位置\r\n"
                                      "( 3.00m ) ｋ＝１Ｅ－５  \r\n"
                                      "▼試料\r\n"
                                      "( 1.00m - 1.80m ) Ｔ－１  \r\n"
                                      "▼自由記事\r\n"
                                      "標高ＤＬ \r\n");
    EXPECT_EQ(fullWidthCheckReport(data), expected);
}

TEST(FullWidthCheck, ReportCutsTextsByCharactersAndStopsAtItsLimits)
{
    BoringData data;
    clear(data);
    for (int line = 1; line <= 27; ++line)
        data.setHeadingLine(line, sjis("ａ２３４５６７８９０１２３４５６７８"));  // 36 bytes
    for (int row = 1; row <= 60; ++row)
        data.layerRows.row(row) = {
            std::to_string(row), sjis("Ａ"), sjis("Ｂ"), sjis("Ｃ"), "", "", "", "", "", "", "", "", "", ""};
    const std::string report = fullWidthCheckReport(data);
    EXPECT_NE(report.find(sjis("(1) ａ２３４５６７８９０１２３４５  \r\n")), std::string::npos) << "30 bytes";
    EXPECT_NE(report.find(sjis("(10) ")), std::string::npos);
    EXPECT_EQ(report.find(sjis("(11) ")), std::string::npos) << "10 hits per group";
    EXPECT_NE(report.find(sjis("( 3 m ) Ａ  Ｂ Ｃ \r\n( 4 m ) Ａ  \r\n")), std::string::npos)
        << "the tenth hit of the group ends its listing";
    EXPECT_EQ(report.find(sjis("( 5 m )")), std::string::npos);

    for (int row = 1; row <= 60; ++row) {
        data.observationRows.row(row) = {std::to_string(row), "", "", sjis("Ｎ"), ""};
        data.inSituRows.row(std::min(row, 100)) = {std::to_string(row), sjis("Ｎ"), "", "", "", "", "", ""};
    }
    const std::string limited = fullWidthCheckReport(data);
    EXPECT_NE(limited.find(sjis("▼原位置")), std::string::npos);
    EXPECT_EQ(limited.find(sjis("▼試料")), std::string::npos);
    // 10 headings + 10 layer texts + 10 notes + 10 in-situ = 40; no more groups
    // had texts, so add samples to pass 50.
    for (int row = 1; row <= 30; ++row)
        data.sampleRows.row(row) = {std::to_string(row), "", sjis("Ｔ"), "", "", ""};
    for (int row = 1; row <= 20; ++row)
        data.freeNoteRows.row(row) = {"0", "", "", "", sjis("Ｆ")};
    const std::string all = fullWidthCheckReport(data);
    EXPECT_NE(all.find(sjis("▼試料")), std::string::npos);
    EXPECT_EQ(all.find(sjis("▼自由記事")), std::string::npos) << "50 hits in all";
}
