#include "formats/FormatDetection.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace kolv;
using kolv::test::sjis;

TEST(FormatDetection, HeaderLinesAndExchangeFileVersions)
{
    const struct {
        std::string line;
        int code;
    } cases[] = {
        {"$$_QZORIB100\r\n", 600},
        {"$$_RAZOB100\r\n", 510},
        {"$$_RASTL100\r\n", 509},
        {"$$_RZORIB500\r\n", 500},
        {"$$_XVZORIB500\r\n", 480},
        {"$$_WZORIB100\r\n", 490},
        {"$$_qzorib100\r\n", 0},
        {"$$_QZORIB2\r\n", 0},
        {sjis("<ボーリング情報 DTD_version=\"4.00\">"), 204},
        {sjis("<ボーリング情報 DTD_version=\"3.00\">"), 203},
        {sjis("<ボーリング情報 DTD_version=\"2.10\">"), 202},
        {sjis("<ボーリング情報 DTD_version=\"2.01\">"), 201},
        {sjis("<ボーリング情報 DTD_version=\"2.00\">"), 200},
        {sjis("<ボーリング情報 DTD_version=\"1.10\">"), 110},
        {sjis("<ボーリング情報 DTD_version='1.10'>"), 110},
        {sjis("<ボーリング情報 DTD_version='4.00'>"), 209},
        {sjis("<ボーリング情報 DTD_version=\"2.05\">"), 209},
        {sjis("<!DOCTYPE ボーリング情報 DTD>"), 209},
        {sjis("<ボーリング情報>"), 0},
        {"$$_", 0},
        {"abc", 0},
        {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatCodeNumber(detectFormat(c.line)), c.code) << c.line;
}

TEST(FormatDetection, LinesOf512BytesAndMoreAreNeverRecognised)
{
    const std::string header = "$$_QZORIB100";
    EXPECT_EQ(formatCodeNumber(detectFormat(header + std::string(511 - header.size(), ' '))), 600);
    EXPECT_EQ(formatCodeNumber(detectFormat(header + std::string(512 - header.size(), ' '))), 0);
    EXPECT_EQ(formatCodeNumber(detectFormat(std::string(1 << 20, '$'))), 0);
}
