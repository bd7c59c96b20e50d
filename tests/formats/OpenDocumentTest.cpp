#include "FormatTestSupport.h"
#include "formats/NativeWriter.h"
#include "formats/OpenDocument.h"
#include "platform/MessageCatalogue.h"
#include "platform/Prompter.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace kolv;
using kolv::test::sjis;
using kolv::test::smallMaster;
using kolv::test::TemporaryFolder;
using kolv::test::writeFile;

namespace {

// A store that an earlier open left behind; a failed open must keep it.
BoringData previousDocument()
{
    BoringData data;
    clear(data);
    data.setHeadingLine(1, sjis("前の文書"));
    data.layerRows.setCell(1, 1, "1.00");
    return data;
}

void expectUnchanged(const BoringData& data)
{
    EXPECT_EQ(data.headingLine(1), sjis("前の文書"));
    EXPECT_EQ(data.layerRows.cell(1, 1), "1.00");
}

std::string nativeText(int blankLinesBefore = 0)
{
    std::string text;
    for (int line = 0; line < blankLinesBefore; ++line)
        text += "\r\n";
    return text + "$$_QZORIB100\r\n$$Z\r\n" + sjis("新しい調査") + "\r\n";
}

struct Opened {
    OpenStatus status;
    BoringData data;
    Issues issues;
};

Opened openBytes(std::string_view bytes, const OpenOptions& options = {})
{
    TemporaryFolder folder;
    const std::string path = folder.file("doc.vla");
    writeFile(path, bytes);
    Opened opened{OpenStatus::CannotOpen, previousDocument(), {}};
    opened.status = openDocumentFile(path, opened.data, smallMaster(), opened.issues, options);
    return opened;
}

}  // namespace

TEST(OpenDocument, MissingFileShowsItsPathAndKeepsTheStore)
{
    TemporaryFolder folder;
    for (const std::string& path : {folder.file("none.vla"), folder.path()}) {
        BoringData data = previousDocument();
        Issues issues;
        EXPECT_EQ(openDocumentFile(path, data, smallMaster(), issues), OpenStatus::CannotOpen);
        ASSERT_EQ(issues.size(), 1u);
        EXPECT_EQ(issues[0].messageId, 32790);
        EXPECT_EQ(issues[0].text, sjis("ファイルが見つかりません\n( ") + path + " )");
        expectUnchanged(data);
    }
}

TEST(OpenDocument, DetectionLooksAtTheFirstLinesOnly)
{
    const struct {
        int blankLinesBefore;
        int detectionLines;
        bool opened;
    } cases[] = {
        {0, 7, true}, {6, 7, true}, {7, 7, false}, {5, 6, true}, {6, 6, false},
    };
    for (const auto& c : cases) {
        OpenOptions options;
        options.detectionLines = c.detectionLines;
        const Opened result = openBytes(nativeText(c.blankLinesBefore), options);
        EXPECT_EQ(result.status == OpenStatus::Opened, c.opened) << c.blankLinesBefore << " " << c.detectionLines;
        if (c.opened) {
            EXPECT_TRUE(result.issues.empty());
            EXPECT_EQ(result.data.headingLine(1), sjis("新しい調査"));
            EXPECT_EQ(result.data.layerRows.cell(1, 1), "") << "the store was cleared first";
        } else {
            ASSERT_EQ(result.issues.size(), 1u);
            EXPECT_EQ(result.issues[0].messageId, 32793);
            EXPECT_EQ(result.issues[0].text, sjis("このファイルは開けません"));
            expectUnchanged(result.data);
        }
    }
}

TEST(OpenDocument, DetectionCountsTheLineEndOnlyWhenAsked)
{
    // 510 bytes + CR LF: 512 with the line end, 510 without.
    const std::string header = "$$_QZORIB100" + std::string(498, ' ') + "\r\n";
    EXPECT_EQ(openBytes(header).status, OpenStatus::NotRecognised);
    OpenOptions byPath;
    byPath.detectionLines = 6;
    byPath.detectWithLineEnds = false;
    EXPECT_EQ(openBytes(header, byPath).status, OpenStatus::Opened);
}

TEST(OpenDocument, UnknownDtdVersionIsReportedAndRead)
{
    const std::string text = sjis("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
                                  "<ボーリング情報 DTD_version=\"9.99\">\r\n</ボーリング情報>\r\n");
    const Opened reported = openBytes(text);
    EXPECT_EQ(reported.status, OpenStatus::Opened);
    ASSERT_EQ(reported.issues.size(), 1u);
    EXPECT_EQ(reported.issues[0].messageId, 4010);
    EXPECT_EQ(reported.issues[0].text, sjis("DTDバージョンが不明または未対応です."));
    EXPECT_EQ(reported.data.headingLine(70), sjis("港 湾 柱 状 図"));

    OpenOptions quiet;
    quiet.reportUnknownDtdVersion = false;
    const Opened silent = openBytes(text, quiet);
    EXPECT_EQ(silent.status, OpenStatus::Opened);
    EXPECT_TRUE(silent.issues.empty());
}

TEST(OpenDocument, EmptyAndGarbageFilesAreRefusedWithoutHarm)
{
    std::mt19937 random(20240401);
    std::string garbage(1 << 16, '\0');
    for (char& byte : garbage)
        byte = static_cast<char>(random() & 0xFF);
    for (const std::string& bytes : {std::string(), garbage, std::string(1 << 20, 'x'), std::string("\0\0\0\0", 4)}) {
        const Opened result = openBytes(bytes);
        EXPECT_EQ(result.status, OpenStatus::NotRecognised);
        expectUnchanged(result.data);
    }
}

TEST(OpenDocument, AFolderManagementFileIsRefusedWithAPointerToTheDeliveryCommands)
{
    const std::string bytes = test::readFile(std::string(KOLV_FIXTURE_DIR) + "/delivery/planted/BORING.XML");
    const Opened result = openBytes(bytes);
    EXPECT_EQ(result.status, OpenStatus::NotRecognised);
    expectUnchanged(result.data);
    ASSERT_EQ(result.issues.size(), 1u);
    EXPECT_EQ(result.issues.front().messageId, 32793);
    EXPECT_EQ(result.issues.front().text, messageText(Message::CannotOpenDeliveryFile));
    EXPECT_NE(result.issues.front().text.find("kolv-cli delivery"), std::string::npos);
}

TEST(OpenDocument, DamagedNativeFilesOpenWithoutHarm)
{
    BoringData full;
    clear(full);
    full.setHeadingLine(1, sjis("港湾調査"));
    full.layerRows.row(1) = {"2.00", sjis("砂"), "", sjis("灰"), "", "", "247", "", "", "", "", "", "", ""};
    full.observationRows.row(1) = {"0.00", "2.00", "", sjis("砂　礫混じり\r\n"), "0"};
    full.sptRows.row(1) = {"1.15", "50/12", "", "", "", ""};
    const std::string complete = writeNativeFile(full);

    std::mt19937 random(7);
    std::vector<std::string> damaged;
    const std::size_t headerLength = complete.find('\n') + 1;
    for (std::size_t cut = headerLength - 2; cut < complete.size(); cut += 3)
        damaged.push_back(complete.substr(0, cut));           // truncated anywhere, even inside a character
    damaged.push_back(complete + std::string(1 << 20, ','));  // a 1 MB last line without line end
    damaged.push_back("$$_QZORIB100\r\n$$A\r\n" + std::string(1 << 20, 'a') + "\r\n");
    damaged.push_back("$$_QZORIB100\r\n$$K\r\n1\r\n2\r\n3\r\nnote never ends");
    std::string noise = "$$_QZORIB100\r\n";
    for (int byte = 0; byte < 200000; ++byte)
        noise.push_back(static_cast<char>(random() & 0xFF));
    damaged.push_back(noise);

    for (const std::string& bytes : damaged) {
        const Opened result = openBytes(bytes);
        EXPECT_EQ(result.status, OpenStatus::Opened);
        EXPECT_LE(occupiedRowCount(result.data.layerRows), 200);
    }
    // The last line of a file without its line end is read whole.
    const std::string lastHeaderLine = ",,,,,\r\n";
    ASSERT_TRUE(complete.ends_with(lastHeaderLine));
    const Opened whole =
        openBytes(complete.substr(0, complete.size() - lastHeaderLine.size()) + ",120,,," + sjis("枠"));
    EXPECT_EQ(whole.data.layerRows.cell(1, 2), sjis("砂"));
    EXPECT_EQ(whole.data.observationRows.cell(1, 4), sjis("砂　礫混じり\r\n"));
    EXPECT_EQ(whole.data.freeNoteFrameSize, 120);
    EXPECT_EQ(whole.data.freeNoteHeaderCell(5), sjis("枠"));
}

TEST(OpenDocument, ANoteThatNeverEndsIsReadWholeWithoutStalling)
{
    std::string text = "$$_QZORIB100\r\n$$K\r\n0.00\r\n1.00\r\n\r\n";
    for (int line = 0; line < 400000; ++line)
        text += "line of a note that never ends\r\n";
    const Opened result = openBytes(text);
    ASSERT_EQ(result.status, OpenStatus::Opened);
    EXPECT_EQ(result.data.observationRows.cell(1, 4).size(), 400000u * 32);
}

namespace {

// An exchange file of 4.00 with `layers` layers, 1 m each, and one
// penetration test after them.
std::string exchangeFile(int layers)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
                       "<ボーリング情報 DTD_version=\"4.00\">\r\n<標題情報>\r\n<調査基本情報>\r\n"
                       "<調査名>港湾調査</調査名>\r\n</調査基本情報>\r\n</標題情報>\r\n<コア情報>\r\n";
    for (int layer = 1; layer <= layers; ++layer)
        text += "<岩石土区分>\r\n<岩石土区分_下端深度>" + std::to_string(layer)
            + ".00</岩石土区分_下端深度>\r\n<岩石土区分_岩石土名>砂</岩石土区分_岩石土名>\r\n</岩石土区分>\r\n";
    text += "<標準貫入試験>\r\n<標準貫入試験_開始深度>1.15</標準貫入試験_開始深度>\r\n</標準貫入試験>\r\n"
            "</コア情報>\r\n</ボーリング情報>\r\n";
    return sjis(text);
}

}  // namespace

// A damaged exchange file is read as far as it goes, and the warning names
// the file and what is wrong with it.
TEST(OpenDocument, DamagedExchangeFilesAreNamedAndReadAsFarAsTheyGo)
{
    const std::string whole = exchangeFile(6);
    const std::size_t fourthLayer = whole.find(sjis("<岩石土区分_下端深度>4.00"));
    const std::size_t fourthLayerGroup = whole.rfind(sjis("<岩石土区分>"), fourthLayer);
    const std::string strayEndTag = sjis("</岩石土区分>");
    struct Case {
        const char* name;
        std::string text;
        int layers;
        std::vector<std::string> warnings;  // parts of the warnings, in order
    };
    const std::vector<Case> cases = {
        {"whole", whole, 6, {}},
        {"cut off inside the fourth layer",
         whole.substr(0, fourthLayer + 10),
         3,
         {sjis("最後の要素の閉じる前に終わって")}},
        {"cut off inside a tag", whole.substr(0, whole.find(sjis("</コア情報>")) + 4), 6, {sjis("閉じる前に終わって")}},
        {"root never closed", whole.substr(0, whole.find(sjis("</ボーリング情報>"))), 6, {sjis("閉じる前に終わって")}},
        {"stray end tag",
         whole.substr(0, fourthLayerGroup) + strayEndTag + strayEndTag + whole.substr(fourthLayerGroup),
         6,
         {sjis("開始タグのない終了タグ </岩石土区分>")}},
        {"an element left open",
         whole.substr(0, whole.find(sjis("</コア情報>"))) + sjis("<岩石土区分>\r\n")
             + whole.substr(whole.find(sjis("</コア情報>"))),
         6,
         {sjis("<岩石土区分> が閉じる前に </コア情報> があります")}},
        {"a stray <",
         whole.substr(0, fourthLayer) + "< 1\r\n" + whole.substr(fourthLayer),
         6,
         {sjis("タグを始めない \"<\"")}},
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(item.name);
        TemporaryFolder folder;
        const std::string path = folder.file("BED0001.XML");
        writeFile(path, item.text);
        BoringData data;
        Issues issues;
        ASSERT_EQ(openDocumentFile(path, data, smallMaster(), issues), OpenStatus::Opened);
        EXPECT_EQ(occupiedRowCount(data.layerRows), item.layers);
        EXPECT_EQ(data.headingLine(1), sjis("港湾調査"));
        ASSERT_EQ(issues.size(), item.warnings.size());
        for (std::size_t index = 0; index < issues.size(); ++index) {
            EXPECT_EQ(issues[index].kind, MessageKind::Warning);
            EXPECT_NE(issues[index].text.find(item.warnings[index]), std::string::npos) << issues[index].text;
            EXPECT_NE(issues[index].text.find(path), std::string::npos) << "names the file";
        }
    }
}

TEST(OpenDocument, RowsPastATablesCapacityAreCounted)
{
    const int capacity = BoringData::LayerTable::capacity;
    const Opened exchange = openBytes(exchangeFile(capacity + 37));
    ASSERT_EQ(exchange.status, OpenStatus::Opened);
    EXPECT_EQ(occupiedRowCount(exchange.data.layerRows), capacity);
    ASSERT_EQ(exchange.issues.size(), 1u);
    EXPECT_EQ(exchange.issues[0].kind, MessageKind::Warning);
    EXPECT_EQ(exchange.issues[0].text, sjis("地質/色調 (最大 200 行) の行数を超えた 37 行を読み込みませんでした."));

    std::string native = "$$_QZORIB100\r\n$$A\r\n";
    for (int layer = 1; layer <= capacity + 5; ++layer)
        native += std::to_string(layer) + ".00,,,,,,,,,,\r\n";
    const Opened saved = openBytes(native);
    ASSERT_EQ(saved.status, OpenStatus::Opened);
    EXPECT_EQ(occupiedRowCount(saved.data.layerRows), capacity);
    ASSERT_EQ(saved.issues.size(), 1u);
    EXPECT_NE(saved.issues[0].text.find(sjis("を超えた 5 行")), std::string::npos);

    EXPECT_TRUE(openBytes(exchangeFile(capacity)).issues.empty());
}
