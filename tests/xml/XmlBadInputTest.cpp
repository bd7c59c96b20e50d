// Damaged and hostile exchange files: no crash, no hang; the store holds
// what could be read, or the file is refused and the store left alone.
#include "ExchangeFile.h"

#include "platform/Cp932Codec.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace kolv {
namespace {

using test::exchangeDocument;
using test::openExchangeBytes;
using test::sjis;
using test::utf8;

const std::string layersAndNote =
    "<コア情報>\r\n<岩石土区分><岩石土区分_下端深度>1.80</岩石土区分_下端深度></岩石土区分>\r\n"
    "<岩石土区分><岩石土区分_下端深度>3.00</岩石土区分_下端深度></岩石土区分>\r\n"
    "<観察記事><観察記事_上端深度>0.00</観察記事_上端深度>"
    "<観察記事_記事>砂</観察記事_記事></観察記事>\r\n</コア情報>";

// Opens the bytes over a store that already holds a document.
std::unique_ptr<test::OpenedExchangeFile> openOverExistingDocument(std::string_view bytes)
{
    test::TemporaryFolder folder;
    const std::string path = folder.file("BED0001.XML");
    test::writeFile(path, bytes);
    auto opened = std::make_unique<test::OpenedExchangeFile>();
    clear(opened->data);
    opened->data.setHeadingLine(1, "previous");
    opened->data.layerRows.setCell(1, 1, "9.99");
    opened->status = openDocumentFile(path, opened->data, {}, opened->issues);
    return opened;
}

TEST(XmlBadInput, TruncatedFilesOpenWithWhatTheyHoldOrAreRefused)
{
    if (!test::corpusAvailable())
        GTEST_SKIP() << "no corpus at " << test::corpusDir();
    const std::string full = test::readFile(test::corpusDir() + "/xml-real/boring-rs/BED0400.XML");
    int previousLayers = 0;
    for (std::size_t length = 0; length <= full.size(); length += 1499) {
        SCOPED_TRACE(length);
        const auto opened = openOverExistingDocument(full.substr(0, length));
        if (opened->status == OpenStatus::NotRecognised) {
            EXPECT_EQ(opened->data.headingLine(1), "previous");
            EXPECT_EQ(opened->data.layerRows.cell(1, 1), "9.99");
            continue;
        }
        ASSERT_EQ(opened->status, OpenStatus::Opened);
        const int layers = occupiedRowCount(opened->data.layerRows);
        EXPECT_GE(layers, previousLayers);
        EXPECT_LE(layers, 10);
        previousLayers = layers;
    }
    EXPECT_EQ(previousLayers, 10);
}

TEST(XmlBadInput, MutatedFilesNeverBreakTheImport)
{
    if (!test::corpusAvailable())
        GTEST_SKIP() << "no corpus at " << test::corpusDir();
    const std::string original =
        test::readFile(test::corpusDir() + "/xml-real/geofukui-jiban-opendata/18000103101301603/DATA/BED0001.XML");
    const std::string markup = "<>/&;#x\"'\n\r\x81\x5C\xE3";
    std::mt19937 random(7);
    for (int mutant = 0; mutant < 60; ++mutant) {
        std::string bytes = original;
        for (int change = 0; change < 20; ++change) {
            const std::size_t at = random() % bytes.size();
            switch (random() % 3) {
            case 0:
                bytes[at] = markup[random() % markup.size()];
                break;
            case 1:
                bytes.insert(at, 1, markup[random() % markup.size()]);
                break;
            default:
                bytes.erase(at, random() % 200);
                break;
            }
        }
        const auto opened = openOverExistingDocument(bytes);
        ASSERT_NE(opened->status, OpenStatus::CannotOpen) << "mutant " << mutant;
        EXPECT_LE(occupiedRowCount(opened->data.sptRows), 31) << "mutant " << mutant;
    }
}

TEST(XmlBadInput, UnbalancedTagsLoseOnlyTheGroupsTheyBreak)
{
    const std::string body = "</色調></観察記事><観察記事_記事>外</観察記事_記事>\r\n<コア情報>\r\n"
                             "<岩石土区分><岩石土区分_下端深度>1.80</岩石土区分_下端深度>\r\n"
                             "<岩石土区分><岩石土区分_下端深度>2.50</岩石土区分_下端深度></岩石土区分>\r\n"
                             "<色調><色調_下端深度>2.50<色調_色調名>灰</色調_色調名></色調>\r\n"
                             "<標準貫入試験><標準貫入試験_開始深度>1.15</標準貫入試験_開始深度></標準貫入試験_開始深度>"
                             "</標準貫入試験></標準貫入試験>\r\n<観察記事><観察記事_上端深度>0.00</観察記事_上端深度>"
                             "<観察記事_記事>砂</観察記事_記事>\r\n";
    const auto opened = openExchangeBytes(exchangeDocument("DTD_version=\"3.00\"", body));
    ASSERT_EQ(opened->status, OpenStatus::Opened);
    const BoringData& data = opened->data;
    // The first layer never closed: the second one's opening tag reset it.
    ASSERT_EQ(occupiedRowCount(data.layerRows), 1);
    EXPECT_EQ(data.layerRows.cell(1, 1), "2.50");
    // A value cut short by the next tag is read to the end of its line.
    EXPECT_EQ(utf8(data.layerRows.cell(1, 4)), "灰");
    EXPECT_EQ(occupiedRowCount(data.sptRows), 1);
    EXPECT_EQ(data.sptRows.cell(1, 1), "1.15");
    EXPECT_EQ(occupiedRowCount(data.observationRows), 0);
}

TEST(XmlBadInput, MegabyteValuesAreKeptWhole)
{
    const std::string longName(1 << 20, 'A');
    std::string longNote;
    std::string expectedNote;
    while (longNote.size() < (1u << 20)) {
        longNote += "礫混じり砂\\n";
        expectedNote += sjis("礫混じり砂\r\n");
    }
    const std::string body = "<標題情報><調査名>" + longName + "</調査名></標題情報>\r\n<コア情報>"
        + "<観察記事><観察記事_上端深度>0.00</観察記事_上端深度><観察記事_記事>" + longNote
        + "</観察記事_記事></観察記事><" + longName + ">x</" + longName + "></コア情報>";
    const auto opened = openExchangeBytes(exchangeDocument("DTD_version=\"3.00\"", body));
    ASSERT_EQ(opened->status, OpenStatus::Opened);
    EXPECT_EQ(opened->data.headingLine(1), longName);
    EXPECT_TRUE(opened->data.observationRows.cell(1, 4) == expectedNote);
}

TEST(XmlBadInput, BinaryJunkAfterTheRootElementIsIgnored)
{
    std::mt19937 random(1234);
    std::string junk;
    for (int i = 0; i < 100000; ++i)
        junk.push_back(static_cast<char>(random() & 0xFF));
    junk += "<色調><色調_下端深度>5.00</色調_下端深度></色調>";
    for (const bool utf8File : {false, true}) {
        SCOPED_TRACE(utf8File ? "UTF-8" : "Shift_JIS");
        std::string document = exchangeDocument("DTD_version=\"3.00\"", layersAndNote);
        if (utf8File)
            document = cp932ToUtf8(document);
        const auto opened = openExchangeBytes(document + junk);
        ASSERT_EQ(opened->status, OpenStatus::Opened);
        EXPECT_EQ(occupiedRowCount(opened->data.layerRows), 2);
        EXPECT_EQ(utf8(opened->data.observationRows.cell(1, 4)), "砂");
        EXPECT_TRUE(opened->issues.empty());
    }
}

TEST(XmlBadInput, InvalidUtf8BytesBecomeGetaAndAreReported)
{
    std::string document = cp932ToUtf8(exchangeDocument("DTD_version=\"3.00\"", layersAndNote));
    const std::size_t note = document.find("砂</観察記事_記事>");
    ASSERT_NE(note, std::string::npos);
    document.insert(note, "\xC3\x28\xFF");
    const auto opened = openExchangeBytes(document);
    ASSERT_EQ(opened->status, OpenStatus::Opened);
    EXPECT_EQ(utf8(opened->data.observationRows.cell(1, 4)), "〓(〓砂");
    ASSERT_EQ(opened->issues.size(), 1u);
    EXPECT_EQ(utf8(opened->issues[0].text), "Shift_JISで表せない文字 2 個を〓に置き換えました.");
    EXPECT_EQ(opened->issues[0].kind, MessageKind::Warning);
}

TEST(XmlBadInput, RootElementWithoutGroupsOpensAnEmptyLog)
{
    for (const char* root :
         {"<ボーリング情報 DTD_version=\"3.00\"/>", "<ボーリング情報 DTD_version=\"3.00\"></ボーリング情報>",
          "<ボーリング情報 DTD_version=\"3.00\">"}) {
        SCOPED_TRACE(root);
        const auto opened = openOverExistingDocument(sjis(std::string("<?xml version=\"1.0\"?>\n") + root));
        ASSERT_EQ(opened->status, OpenStatus::Opened);
        EXPECT_EQ(opened->data.headingLine(1), "");
        EXPECT_EQ(occupiedRowCount(opened->data.layerRows), 0);
        EXPECT_EQ(utf8(opened->data.headingLine(70)), "港 湾 柱 状 図");
    }
}

TEST(XmlBadInput, MarkupThatIsNoExchangeFileIsRefusedAndTheStoreKept)
{
    std::mt19937 random(99);
    std::string noise = "<";
    for (int i = 0; i < 50000; ++i)
        noise.push_back(static_cast<char>(random() & 0xFF));
    const std::string cases[] = {
        noise,
        "<?xml version=\"1.0\"?><html><body>ボーリング情報 DTD_version=\"3.00\"</body></html>",
        "<<<<>>>></>",
        "<?xml version=\"1.0\"?><!-- never closed",
        std::string("\xFF\xFE<\0?\0x\0m\0l\0", 12),
    };
    for (const std::string& bytes : cases) {
        const auto opened = openOverExistingDocument(bytes);
        EXPECT_EQ(opened->status, OpenStatus::NotRecognised);
        EXPECT_TRUE(opened->hasMessage(32793));
        EXPECT_EQ(opened->data.headingLine(1), "previous");
        EXPECT_EQ(opened->data.layerRows.cell(1, 1), "9.99");
    }
}

}  // namespace
}  // namespace kolv
