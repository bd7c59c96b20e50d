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
