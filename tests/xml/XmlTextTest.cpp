#include "formats/FormatDetection.h"
#include "formats/XmlText.h"
#include "platform/Cp932Codec.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kolv {
namespace {

using test::sjis;

std::vector<std::string> utf8Lines(const PreparedXml& prepared)
{
    std::vector<std::string> lines;
    for (const std::string& line : prepared.lines)
        lines.push_back(cp932ToUtf8(line));
    return lines;
}

TEST(PrepareXmlText, BringsEveryLineStructureToOneElementPerLine)
{
    const std::vector<std::string> expected = {
        "<ボーリング情報 DTD_version=\"3.00\">",
        "<標題情報>",
        "<調査名>港</調査名>",
        "<事業工事名/>",
        "<ボーリング名/>",
        "<調査位置住所></調査位置住所>",
        "</標題情報>",
        "</ボーリング情報>",
    };
    struct Case {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        {"one per line, CR LF, indented",
         "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<!DOCTYPE ボーリング情報 SYSTEM \"BED0300.DTD\">\r\n"
         "<ボーリング情報 DTD_version=\"3.00\">\r\n\t<標題情報>\r\n\t\t<調査名>港</調査名>\r\n  <事業工事名/>\r\n"
         "  <ボーリング名 />\r\n<調査位置住所></調査位置住所>\r\n\r\n</標題情報>\r\n</ボーリング情報>\r\n"},
        {"whole document on one line, no final line end",
         "<?xml version=\"1.0\"?><ボーリング情報 DTD_version=\"3.00\"><標題情報><調査名>港</調査名><事業工事名/>"
         "<ボーリング名 /><調査位置住所></調査位置住所></標題情報></ボーリング情報>"},
        {"comments, processing instructions and a document type with an internal subset",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE ボーリング情報 [ <!ELEMENT 調査名 (#PCDATA)> ]>\n<!-- <色調> -->\n"
         "<?xml-stylesheet href=\"a.xsl\"?>\n<ボーリング情報 DTD_version=\"3.00\"><標題情報>\n<調査名>港</調査名>"
         "<!-- note --><事業工事名/><ボーリング名 />\n<調査位置住所></調査位置住所></標題情報></ボーリング情報>\n"},
        {"attributes before the version, blanks in tags",
         "<ボーリング情報 xmlns:x=\"urn:x\"\n   DTD_version = \"3.00\" ><標題情報 ><調査名 >港</調査名 ><事業工事名/>"
         "<ボーリング名\t/><調査位置住所></調査位置住所></標題情報></ボーリング情報>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PreparedXml prepared = prepareXmlText(sjis(c.text));
        EXPECT_TRUE(prepared.isXml);
        EXPECT_EQ(utf8Lines(prepared), expected);
        EXPECT_TRUE(prepared.warning.empty());
    }
}

TEST(PrepareXmlText, RootLineCarriesTheVersionMarkDetectionLooksFor)
{
    struct Case {
        const char* root;
        FormatCode code;
    };
    const Case cases[] = {
        {"<ボーリング情報 DTD_version=\"4.00\">", FormatCode::Xml204},
        {"<ボーリング情報 DTD_version=\"3.00\">", FormatCode::Xml203},
        {"<ボーリング情報 DTD_version=\"2.01\">", FormatCode::Xml201},
        {"<ボーリング情報 DTD_version=\"2.00\">", FormatCode::Xml200},
        {"<ボーリング情報 DTD_version='1.10'>", FormatCode::Xml110},
        {"<ボーリング情報 a=\"b\" DTD_version=\"2.10\">", FormatCode::Xml202},
        {"<ボーリング情報 DTD_version=\"2.05\">", FormatCode::XmlUnknownVersion},
        {"<ボーリング情報>", FormatCode::XmlUnknownVersion},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.root);
        const PreparedXml prepared = prepareXmlText(sjis(std::string(c.root) + "<調査名>a</調査名></ボーリング情報>"));
        ASSERT_FALSE(prepared.lines.empty());
        EXPECT_EQ(formatCodeNumber(detectFormat(prepared.lines.front())), formatCodeNumber(c.code));
    }
}

TEST(PrepareXmlText, Utf8BytesAreConvertedWhateverTheDeclarationSays)
{
    const std::string utf8 =
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"shift_jis\"?>\n"
        "<ボーリング情報 DTD_version=\"3.00\">\n<観察記事_記事>Ⅰ層～Ⅱ層</観察記事_記事>\n</ボーリング情報>\n";
    const PreparedXml prepared = prepareXmlText(utf8);
    ASSERT_EQ(prepared.lines.size(), 3u);
    EXPECT_EQ(prepared.lines[1], sjis("<観察記事_記事>Ⅰ層～Ⅱ層</観察記事_記事>"));
    EXPECT_TRUE(prepared.warning.empty());
}

TEST(PrepareXmlText, CharactersWithoutShiftJisFormBecomeGetaAndAreCounted)
{
    const std::string utf8 = "<ボーリング情報 DTD_version=\"3.00\">\n<調査名>砂😀礫\xF0\x9F\x8C\x8A</調査名>\n"
                             "<事業工事名>&#x1F600;&#12354;</事業工事名>\n</ボーリング情報>";
    const PreparedXml prepared = prepareXmlText(utf8);
    ASSERT_EQ(prepared.lines.size(), 4u);
    EXPECT_EQ(prepared.lines[1], sjis("<調査名>砂〓礫〓</調査名>"));
    EXPECT_EQ(prepared.lines[2], sjis("<事業工事名>〓あ</事業工事名>"));
    EXPECT_EQ(cp932ToUtf8(prepared.warning), "Shift_JISで表せない文字 3 個を〓に置き換えました.");
}

TEST(PrepareXmlText, ShiftJisBytesStayAsTheyAre)
{
    // "表" ends in 0x5C and "ソ" in 0x5C too: bytes that an encoding guess or
    // a byte search could take for something else.
    const std::string text =
        sjis("<ボーリング情報 DTD_version=\"3.00\">\r\n<調査名>表ソ\\n能</調査名>\r\n</ボーリング情報>\r\n");
    const PreparedXml prepared = prepareXmlText(text);
    ASSERT_EQ(prepared.lines.size(), 3u);
    EXPECT_EQ(prepared.lines[1], sjis("<調査名>表ソ\\n能</調査名>"));
}

TEST(PrepareXmlText, ValuesKeepMarkupCharactersAsReferences)
{
    const PreparedXml prepared = prepareXmlText(
        sjis("<ボーリング情報 DTD_version=\"3.00\"><観察記事_記事>&lt;盛土&gt; &amp; &quot;砂&quot; &apos;&#60;&#x26;"
             "<![CDATA[<a>&b]]></観察記事_記事></ボーリング情報>"));
    ASSERT_EQ(prepared.lines.size(), 3u);
    EXPECT_EQ(cp932ToUtf8(prepared.lines[1]),
              "<観察記事_記事>&lt;盛土> &amp; \"砂\" '&lt;&amp;&lt;a>&amp;b</観察記事_記事>");
    const std::string& line = prepared.lines[1];
    const std::size_t valueStart = line.find('>') + 1;
    const std::string value = line.substr(valueStart, line.find('<', valueStart) - valueStart);
    EXPECT_EQ(cp932ToUtf8(decodeCharacterReferences(value)), "<盛土> & \"砂\" '<&<a>&b");
}

TEST(DecodeCharacterReferences, ResolvesNamedAndNumericReferencesOnly)
{
    struct Case {
        const char* text;
        const char* decoded;
    };
    const Case cases[] = {
        {"&lt;&gt;&amp;&quot;&apos;", "<>&\"'"},
        {"&#12354;&#x3042;&#X3042;", "ああ&#X3042;"},
        {"A&B; &amp &#xZZ; &#0; &#1114112; &", "A&B; &amp &#xZZ; &#0; &#1114112; &"},
        {"表&amp;表", "表&表"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(cp932ToUtf8(decodeCharacterReferences(sjis(c.text))), c.decoded);
    }
}

TEST(PrepareXmlText, ValueRunningOverLinesIsSplitAsALineReaderSeesIt)
{
    const PreparedXml prepared = prepareXmlText(
        sjis("<ボーリング情報 DTD_version=\"4.00\">\n<説明>一行目\n  二行目</説明>\n<a>\n</a>\n</ボーリング情報>\n"));
    const std::vector<std::string> expected = {
        "<ボーリング情報 DTD_version=\"4.00\">", "<説明>一行目", "  二行目</説明>", "<a>", "</a>", "</ボーリング情報>",
    };
    EXPECT_EQ(utf8Lines(prepared), expected);
}

TEST(PrepareXmlText, OtherRootElementsAreRefusedAndOtherTextIsLeftAlone)
{
    const PreparedXml management = prepareXmlText(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?xml-stylesheet type=\"text/xsl\" href=\"BRG0150.XSL\"?>\n"
        "<!DOCTYPE BORING SYSTEM \"BRG0150.DTD\">\n<BORING DTD_version=\"1.50\">\n<ボーリング情報 DTD_version=\"3.00\">"
        "</ボーリング情報></BORING>\n");
    EXPECT_TRUE(management.isXml);
    EXPECT_TRUE(management.lines.empty());

    const PreparedXml native = prepareXmlText("$$_QZORIB100\r\n$$Z\r\n<not markup>\r\n");
    EXPECT_FALSE(native.isXml);
    EXPECT_TRUE(native.lines.empty());

    EXPECT_FALSE(prepareXmlText("").isXml);
    EXPECT_FALSE(prepareXmlText(" \r\n\t").isXml);
}

}  // namespace
}  // namespace kolv
