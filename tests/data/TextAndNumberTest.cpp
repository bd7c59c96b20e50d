#include "data/Cp932Text.h"
#include "data/Csv.h"
#include "data/Number.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <clocale>

using namespace kolv;
using kolv::test::sjis;

TEST(Cp932Text, SearchesNeverMatchTheSecondByteOfACharacter)
{
    // "表" is 0x95 0x5C, "ー" 0x81 0x5B, the full-width space 0x81 0x40.
    EXPECT_EQ(findText(sjis("表"), "\\"), textNotFound);
    EXPECT_EQ(findText(sjis("ローム"), "["), textNotFound);
    EXPECT_EQ(findText(sjis("砂　礫"), "@"), textNotFound);
    EXPECT_EQ(findText(sjis("表n"), "\\n"), textNotFound);
    EXPECT_EQ(findText(sjis("表\\n"), "\\n"), 2u);
    EXPECT_EQ(findText("a@b", "@"), 1u);
    // A stray lead byte does not swallow the ASCII character after it.
    EXPECT_EQ(findText("\x82$$_QZORIB100", "$$_QZORIB1"), 1u);
    // A search from the middle of a text starts at the next character.
    EXPECT_EQ(findText(sjis("表\\表\\"), "\\"), 2u);
    EXPECT_EQ(findText(sjis("表\\表\\"), "\\", 3), 5u);
    EXPECT_EQ(findText(sjis("ああ"), "\xA0\x82"), textNotFound);
    EXPECT_EQ(findText(sjis("ああ"), sjis("あ"), 1), 2u);
    EXPECT_EQ(findText(sjis("ア砂礫"), sjis("礫"), 5), textNotFound);
    EXPECT_EQ(replaceAllText(sjis("表\\n表"), "\\n", "\r\n"), sjis("表\r\n表"));
    EXPECT_TRUE(endsWithText(sjis("砂"), sjis("砂")));
    EXPECT_FALSE(endsWithText(sjis("ア\x82"), "\x82"));
}

TEST(Cp932Text, ByteCutsNeverSplitACharacter)
{
    EXPECT_EQ(cutToBytes(sjis("砂礫"), 3), sjis("砂"));
    EXPECT_EQ(cutToBytes(sjis("砂礫"), 4), sjis("砂礫"));
    EXPECT_EQ(cutToBytes("abc", 2), "ab");
    EXPECT_EQ(cutToBytes("\x82", 1), "\x82");
}

TEST(Cp932Text, LineEndsAreCrLfOrLfOnly)
{
    EXPECT_EQ(stripLineEnd("ab\r\n"), "ab");
    EXPECT_EQ(stripLineEnd("ab\n"), "ab");
    EXPECT_EQ(stripLineEnd("ab\r"), "ab\r");
    EXPECT_EQ(stripLineEnd(sjis("砂")), sjis("砂"));
}

TEST(Cp932Text, UpperCaseCoversFullWidthLatin)
{
    EXPECT_EQ(upperCaseText(sjis("aｂ砂")), sjis("AＢ砂"));
}

TEST(Number, LeadingNumberIsAFiniteDecimal)
{
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"12.5m", 12.5}, {"  -3", -3.0}, {"", 0.0},       {"abc", 0.0}, {"inf", 0.0}, {"nan", 0.0},
        {"0x10", 0.0},   {"1e999", 0.0}, {"1.5e2x", 150}, {".5", 0.5},  {"-", 0.0},   {"1e", 1.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(parseLeadingNumber(c.text), c.expected) << c.text;
    EXPECT_EQ(parseLeadingInteger("42abc"), 42);
    EXPECT_EQ(parseLeadingInteger("99999999999"), 0);
    EXPECT_EQ(parseUnsignedAutoBase("0x808080"), 0x808080u);
    EXPECT_EQ(parseUnsignedAutoBase("8421504"), 8421504u);
}

TEST(Number, FormatsUseAPointWhateverTheLocale)
{
    const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(formatDepth(1.005 + 1), "2.00");
    EXPECT_EQ(formatSignedDepth(-2.5), "-2.50");
    EXPECT_EQ(formatText("%ld.%d", 421L, 3), "421.3");
    EXPECT_DOUBLE_EQ(parseLeadingNumber("2.75"), 2.75);
    std::setlocale(LC_NUMERIC, previous ? "C" : "C");
}

TEST(Csv, FieldsSplitAtCommasOutsideQuotes)
{
    const std::string line = "1.00,\"a,b\",,x";
    EXPECT_EQ(splitCsvField(line, 1), "1.00");
    EXPECT_EQ(splitCsvField(line, 2), "a,b");
    EXPECT_EQ(splitCsvField(line, 3), "");
    EXPECT_EQ(splitCsvField(line, 4), "x");
    EXPECT_EQ(splitCsvField(line, 5), "");
    EXPECT_EQ(splitCsvField(sjis("砂,礫"), 2), sjis("礫"));

    // All fields at once are the fields one at a time.
    for (const std::string& text : {line, std::string(), std::string(","), std::string("a,\"b,\"c\",d\",e,"),
                                    std::string("\"unclosed,a,b"), sjis("砂,礫,,")}) {
        const std::vector<std::string> fields = splitCsvFields(text, 5);
        ASSERT_EQ(fields.size(), 5u);
        for (int n = 1; n <= 5; ++n)
            EXPECT_EQ(fields[n - 1], splitCsvField(text, n)) << text << " field " << n;
    }
}
