// The exchange-file export of the file menu: proposed under the document's
// name, written whole, read back by the import.
#include "WindowFixture.h"

#include "app/DocumentManager.h"
#include "app/CommandIds.h"
#include "document/LogDocument.h"
#include "platform/FileIo.h"

namespace kolv::test {
namespace {

int occupiedRows(const LogDocument& document)
{
    int rows = 0;
    while (rows < 200 && !document.data().layerRows.cell(rows + 1, 1).empty())
        ++rows;
    return rows;
}

TEST_F(WindowTest, ExchangeFileIsProposedUnderTheDocumentsNameAndReadsBack)
{
    const std::string copy = work.file("quay.vla");
    writeFile(copy, readFile(sample("harbour.vla")));
    ASSERT_TRUE(start({QString::fromStdString(copy)}));
    const int layers = occupiedRows(frame->document());
    ASSERT_GT(layers, 0);

    const std::string target = work.file("quay.XML");
    chooser.answers = {QString::fromStdString(target)};
    frame->runCommand(command::exportXml);
    ASSERT_EQ(chooser.proposedPaths.size(), 1);
    EXPECT_EQ(chooser.proposedPaths.front(), QString::fromStdString(target));
    ASSERT_TRUE(fileExists(target));
    // The export leaves the document as it was.
    EXPECT_EQ(frame->document().path(), copy);
    EXPECT_FALSE(frame->document().isModified());

    ASSERT_TRUE(frame->lifecycle().openPath(target));
    EXPECT_EQ(occupiedRows(frame->document()), layers);

    prompter.messages.clear();
    EXPECT_FALSE(frame->exportXml(QString::fromStdString(work.file("no-folder/x.XML"))));
    EXPECT_EQ(messageIds(), std::vector<int>{4005});
}

TEST_F(WindowTest, ValuesTheExchangeFileCannotHoldAreListedBeforeItIsWritten)
{
    // The harbour sample holds a datum, a hammer drop device, recovery ratios
    // and free notes, which the exchange file has no place for.
    ASSERT_TRUE(start({QString::fromStdString(sample("harbour.vla"))}));
    const std::string target = work.file("quay.XML");
    prompter.scriptedAnswers = {Answer::No};
    EXPECT_FALSE(frame->exportXml(QString::fromStdString(target)));
    EXPECT_FALSE(fileExists(target));
    ASSERT_EQ(prompter.messages.size(), 1u);
    const RecordingPrompter::Message& asked = prompter.messages.front();
    EXPECT_EQ(asked.kind, MessageKind::Question);
    for (const char* listed : {"見出し 12行目「C.D.L.」", "見出し 21行目", "回収比とqu 1行目 3列"})
        EXPECT_NE(asked.text.find(sjis(listed)), std::string::npos) << listed;

    prompter.scriptedAnswers = {Answer::Yes};
    EXPECT_TRUE(frame->exportXml(QString::fromStdString(target)));
    EXPECT_TRUE(fileExists(target));
}

}  // namespace
}  // namespace kolv::test
