// The document: undo of dialog edits with the modified flag, the change
// signal, and opening or saving that fails without touching the document.
#include "document/LogDocument.h"

#include "data/Fields.h"
#include "formats/NativeWriter.h"
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
        LogSettings settings = document.settings();
        settings.dataRoot = dataRoot.path();
        settings.installFolderOverride = KOLV_BUNDLED_INSTALL_DIR;
        document.replaceSettings(settings);
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
    // The file holds the depth of the last layer, worked out while writing;
    // the store is changed by undo steps alone.
    EXPECT_NE(test::readFile(folder.file("log.vla")).find("3.50"), std::string::npos);
    EXPECT_EQ(document.data().headingLine(HeadingLine::LastLayerDepth), "");
    changes.clear();

    document.undoStack()->undo();
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(document.data().layerRows.cell(1, 1).empty());
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(changes.back().testFlag(DocumentChange::Modified));
    document.undoStack()->redo();
    EXPECT_EQ(document.data().layerRows.cell(1, 1), "3.50");
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(changes.size(), 2u);
    EXPECT_TRUE(changes.back().testFlag(DocumentChange::Modified));
}

// What users do between opening and closing, step by step: after every step
// the modified flag says whether saving would write other bytes than the file
// holds, so that closing asks exactly when work would be lost.
TEST_F(LogDocumentTest, ModifiedFlagIsTrueExactlyWhenTheFileDiffers)
{
    struct Sequence {
        const char* name;
        std::vector<std::string> steps;
    };
    const std::vector<Sequence> sequences = {
        {"save, undo, redo, close", {"edit", "save", "undo", "redo"}},
        {"save, undo, save", {"edit", "save", "undo", "save", "redo"}},
        {"edit, undo to clean", {"edit", "edit", "undo", "undo", "redo"}},
        {"failed save", {"edit", "fail", "undo", "redo", "save"}},
        {"edit after undo past a save", {"edit", "edit", "save", "undo", "edit", "undo", "undo", "redo"}},
    };
    for (const Sequence& sequence : sequences) {
        test::TemporaryFolder folder;
        const std::string path = folder.file("log.vla");
        test::writeFile(path, test::readFile(sample("harbour.vla")));
        ASSERT_EQ(document.open(path).status, OpenStatus::Opened);
        // The file as this program writes it, which is what saving compares with.
        ASSERT_TRUE(document.save(path).saved);
        int edits = 0;
        for (const std::string& step : sequence.steps) {
            if (step == "edit") {
                BoringData edited = document.data();
                edited.layerRows.setCell(1, 2, "edit " + std::to_string(++edits));
                document.pushEdit("地質", edited);
            } else if (step == "save") {
                ASSERT_TRUE(document.save(path).saved) << sequence.name;
            } else if (step == "fail") {
                ASSERT_FALSE(document.save(folder.file("missing/log.vla")).saved) << sequence.name;
            } else if (step == "undo") {
                document.undoStack()->undo();
            } else {
                document.undoStack()->redo();
            }
            const bool differs = test::readFile(path) != writeNativeFile(document.data());
            EXPECT_EQ(document.isModified(), differs) << sequence.name << ", after " << step;
        }
    }
}

// What the window changes besides the store goes through the document, which
// tells every view; setting what is already there tells nobody.
TEST_F(LogDocumentTest, ScreenDrawingPagingAndPrinterPaperAreAnnounced)
{
    changes.clear();
    document.setScreenDrawing(false);
    EXPECT_FALSE(document.settings().screenDrawing);
    document.setScreenDrawing(false);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes.back(), DocumentChanges(DocumentChange::Settings));

    changes.clear();
    ViewState view = document.view();
    view.currentPage = 3;
    view.screenPageStart = 20.0;
    document.setView(view);
    document.setView(view);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes.back(), DocumentChanges(DocumentChange::Page));
    EXPECT_EQ(document.view().currentPage, 3);

    changes.clear();
    document.setPrinterPaper(PaperSize{210, 297});
    document.applyPrinterPaper();
    EXPECT_EQ(document.view().paperLength, 297);
    EXPECT_EQ(document.view().usableLength, 297 - 32);
    ASSERT_FALSE(changes.empty());
    EXPECT_TRUE(changes.back().testFlag(DocumentChange::Page));
    // Neither is an edit of the store.
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.undoStack()->count(), 0);
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
