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

}  // namespace
}  // namespace kolv::test
