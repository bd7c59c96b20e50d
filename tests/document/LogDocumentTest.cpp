// The document: undo of dialog edits with the modified flag, the change
// signal, and opening or saving that fails without touching the document.
#include "document/LogDocument.h"

#include "data/Fields.h"
#include "support/TestSupport.h"

#include <QUndoStack>
#include <gtest/gtest.h>

#include <filesystem>

namespace kolv {
namespace {

class LogDocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        document.settings().dataRoot = dataRoot.path();
        document.settings().installFolderOverride = KOLV_BUNDLED_INSTALL_DIR;
        document.newDocument();
        QObject::connect(&document, &LogDocument::changed, [this](DocumentChanges what) { changes.push_back(what); });
    }

    static std::string sample(const char* name) { return std::string(KOLV_SOURCE_DIR) + "/share/samples/" + name; }

    test::TemporaryFolder dataRoot;
    LogDocument document;
    std::vector<DocumentChanges> changes;
};

TEST_F(LogDocumentTest, EditIsOneUndoStepThatRestoresStoreAndModifiedFlag)
{
    ASSERT_EQ(document.open(sample("harbour.vla")).status, OpenStatus::Opened);
    const BoringData opened = document.data();
    changes.clear();

    BoringData edited = document.data();
    edited.layerRows.setCell(1, 1, "9.99");
    document.pushEdit("地質", edited);
    EXPECT_EQ(document.data().layerRows.cell(1, 1), "9.99");
    EXPECT_TRUE(document.isModified());
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(changes.back().testFlag(DocumentChange::Data));
    EXPECT_TRUE(changes.back().testFlag(DocumentChange::Modified));

    document.undoStack()->undo();
    EXPECT_EQ(document.data().layerRows.cell(1, 1), opened.layerRows.cell(1, 1));
    EXPECT_FALSE(document.isModified());

    document.undoStack()->redo();
    EXPECT_EQ(document.data().layerRows.cell(1, 1), "9.99");
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(changes.size(), 3u);
}

TEST_F(LogDocumentTest, UnrecognisedFileLeavesTheDocumentAsItWas)
{
    ASSERT_EQ(document.open(sample("harbour.vla")).status, OpenStatus::Opened);
    BoringData edited = document.data();
    edited.sptRows.setCell(1, 2, "12");
    document.pushEdit("Ｎ値", edited);
    const BoringData before = document.data();

    test::TemporaryFolder folder;
    test::writeFile(folder.file("garbage.vla"), std::string("\x01\x02 not a boring log\r\n", 21));
    const OpenResult result = document.open(folder.file("garbage.vla"));

    EXPECT_EQ(result.status, OpenStatus::NotRecognised);
    ASSERT_FALSE(result.issues.empty());
    EXPECT_EQ(result.issues.front().messageId, 32793);
    EXPECT_EQ(document.data().sptRows.cell(1, 2), before.sptRows.cell(1, 2));
    EXPECT_EQ(document.path(), sample("harbour.vla"));
    EXPECT_TRUE(document.isModified());
}

TEST_F(LogDocumentTest, FailedSaveKeepsTheDocumentModifiedAndSaysSo)
{
    BoringData edited = document.data();
    edited.layerRows.setCell(1, 1, "1.00");
    document.pushEdit("地質", edited);

    test::TemporaryFolder folder;
    const SaveResult failed = document.save(folder.file("missing-folder/log.vla"));
    EXPECT_FALSE(failed.saved);
    ASSERT_FALSE(failed.issues.empty());
    EXPECT_EQ(failed.issues.front().messageId, 4005);
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(document.path().empty());

    const SaveResult saved = document.save(folder.file("log.vla"));
    EXPECT_TRUE(saved.saved);
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.path(), folder.file("log.vla"));
    EXPECT_TRUE(std::filesystem::exists(folder.file("log.vla")));
}

TEST_F(LogDocumentTest, UndoPastASaveMakesTheDocumentModifiedAgain)
{
    BoringData edited = document.data();
    edited.layerRows.setCell(1, 1, "3.50");
    document.pushEdit("地質", edited);
    test::TemporaryFolder folder;
    ASSERT_TRUE(document.save(folder.file("log.vla")).saved);
    // The saved store holds what the file holds: the depth of the last layer.
    EXPECT_EQ(document.data().headingLine(HeadingLine::LastLayerDepth), "3.50");
    changes.clear();

    document.undoStack()->undo();
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(document.data().layerRows.cell(1, 1).empty());
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(changes.back().testFlag(DocumentChange::Modified));
    document.undoStack()->redo();
    EXPECT_EQ(document.data().layerRows.cell(1, 1), "3.50");
    EXPECT_FALSE(document.isModified());
}

TEST_F(LogDocumentTest, SettingsValuesAreTakenAndAnnouncedOnlyWhenChanged)
{
    changes.clear();
    SettingsValues edited = document.settings().values();
    EXPECT_FALSE(document.replaceSettingsValues(edited));
    EXPECT_TRUE(changes.empty());

    edited.innerLineWidth += 2;
    EXPECT_TRUE(document.replaceSettingsValues(edited));
    EXPECT_EQ(document.settings().values(), edited);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes.back(), DocumentChanges(DocumentChange::Settings));
    EXPECT_FALSE(document.isModified());
}

}  // namespace
}  // namespace kolv
