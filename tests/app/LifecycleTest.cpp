// The document's life in the window: open, the unsaved-work and close
// questions, save and save as with their extension rules, bad files.
#include "WindowFixture.h"

#include "app/DocumentManager.h"
#include "app/CommandIds.h"
#include "app/RecentFiles.h"
#include "document/LogDocument.h"
#include "platform/FileIo.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>

#include <filesystem>

namespace kolv::test {
namespace {

TEST_F(WindowTest, OpeningASampleFillsTheStoreTitlesTheWindowAndClearsTheFlag)
{
    ASSERT_TRUE(start());
    makeAnEdit();
    prompter.scriptedAnswers = {Answer::Yes};  // discard the edit
    chooser.answers = {QString::fromStdString(sample("harbour.vla"))};
    frame->runCommand(command::open);

    const LogDocument& document = frame->document();
    EXPECT_EQ(document.path(), sample("harbour.vla"));
    EXPECT_GT(document.data().layerRows.cell(1, 1).size(), 0u);
    EXPECT_NE(document.data().layerRows.cell(1, 1), "7.77");
    EXPECT_FALSE(document.isModified());
    EXPECT_TRUE(frame->windowTitle().startsWith(QStringLiteral("harbour.vla")));
    EXPECT_TRUE(frame->windowTitle().endsWith(QStringLiteral("港湾柱状図")));
    EXPECT_EQ(frame->recentFiles().files().value(0), QString::fromStdString(sample("harbour.vla")));

    // The next Open starts in the folder of that file, even after a restart.
    frame = std::make_unique<MainWindow>(prompter, chooser);
    ASSERT_TRUE(start());
    frame->runCommand(command::open);
    ASSERT_EQ(chooser.startFolders.size(), 2);
    EXPECT_EQ(chooser.startFolders.last(), QString::fromStdString(std::string(KOLV_SOURCE_DIR) + "/share/samples"));
}

TEST_F(WindowTest, ABadFileLeavesTheDocumentAsItWas)
{
    ASSERT_TRUE(start({QString::fromStdString(sample("harbour.vla"))}));
    makeAnEdit();
    const BoringData before = frame->document().data();
    const std::string garbage = work.file("garbage.vla");
    static constexpr char binary[] = "\x01\x02\x7f binary\0\0 not a log\r\n";
    writeFile(garbage, std::string(binary, sizeof binary - 1));
    writeFile(work.file("empty.vla"), "");
    for (const std::string& listed : {garbage, work.file("missing.vla")})
        frame->recentFiles().add(QString::fromStdString(listed));

    struct Case {
        const char* name;
        std::string path;
        int message;
    };
    for (const Case& bad : {Case{"binary", garbage, 32793}, Case{"empty", work.file("empty.vla"), 32793},
                            Case{"missing", work.file("missing.vla"), 32790}}) {
        SCOPED_TRACE(bad.name);
        prompter.messages.clear();
        prompter.scriptedAnswers = {Answer::Yes};
        EXPECT_FALSE(frame->lifecycle().openPath(bad.path));
        EXPECT_EQ(messageIds().back(), bad.message);
        EXPECT_EQ(frame->document().data().layerRows.cell(1, 1), "7.77");
        EXPECT_EQ(frame->document().path(), sample("harbour.vla"));
        EXPECT_TRUE(frame->document().isModified());
    }
    EXPECT_EQ(frame->document().data().sptRows.cell(2, 1), before.sptRows.cell(2, 1));
    // The vanished file leaves the recent-file list; the unreadable one stays.
    EXPECT_EQ(frame->recentFiles().files(),
              (QStringList{QString::fromStdString(garbage), QString::fromStdString(sample("harbour.vla"))}));
}

TEST_F(WindowTest, ACommandLineFileThatCannotBeOpenedEndsTheStart)
{
    EXPECT_FALSE(start({QString::fromStdString(work.file("nothing-here.vla"))}));
    EXPECT_EQ(messageIds().back(), 32790);
}

TEST_F(WindowTest, CloseQuestionAnswers)
{
    ASSERT_TRUE(start());
    struct Case {
        Answer answer;
        bool closes;
        bool hint;
    };
    for (const Case& c :
         {Case{Answer::Yes, true, false}, Case{Answer::No, false, true}, Case{Answer::Cancel, false, false}}) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        makeAnEdit();
        prompter.messages.clear();
        prompter.scriptedAnswers = {c.answer};
        QCloseEvent event;
        QCoreApplication::sendEvent(frame.get(), &event);
        EXPECT_EQ(event.isAccepted(), c.closes);
        ASSERT_FALSE(prompter.messages.empty());
        EXPECT_EQ(prompter.messages.front().kind, MessageKind::QuestionWithCancel);
        EXPECT_TRUE(saidText("データが変更されましたが、終了してよいのですか? "));
        EXPECT_EQ(saidText("「名前を付けて保存」または「上書き保存」で保存して下さい. "), c.hint);
        EXPECT_TRUE(frame->document().isModified());
    }

    // Unmodified: no question at all.
    prompter.scriptedAnswers = {Answer::Yes};
    frame->runCommand(command::newDocument);
    prompter.messages.clear();
    QCloseEvent event;
    QCoreApplication::sendEvent(frame.get(), &event);
    EXPECT_TRUE(event.isAccepted());
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(WindowTest, NewAndOpenAskBeforeUnsavedWorkIsLost)
{
    ASSERT_TRUE(start());
    const std::string harbour = sample("harbour.vla");
    struct Way {
        const char* name;
        std::function<void()> run;
    };
    const std::vector<Way> ways{
        {"new", [&] { frame->runCommand(command::newDocument); }},
        {"open",
         [&] {
             chooser.answers = {QString::fromStdString(harbour)};
             frame->runCommand(command::open);
         }},
        {"by path", [&] { frame->lifecycle().openPath(harbour); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        for (const Answer answer : {Answer::Cancel, Answer::No}) {
            makeAnEdit();
            prompter.messages.clear();
            chooser.answers.clear();
            prompter.scriptedAnswers = {answer};
            way.run();
            EXPECT_TRUE(saidText("データが変更されましたが、破棄してよいのですか? "));
            EXPECT_EQ(frame->document().data().layerRows.cell(1, 1), "7.77");
            EXPECT_TRUE(frame->document().isModified());
        }
        prompter.scriptedAnswers = {Answer::Yes};
        way.run();
        EXPECT_NE(frame->document().data().layerRows.cell(1, 1), "7.77");
        EXPECT_FALSE(frame->document().isModified());
    }
}

TEST_F(WindowTest, SaveAsExtensionRules)
{
    ASSERT_TRUE(start({QString::fromStdString(sample("harbour.vla"))}));
    struct Case {
        const char* chosen;
        const char* written;  // nullptr: nothing may be written
    };
    const Case cases[] = {
        {"plain", "plain.vla"},     {"ends-with-dot.", "ends-with-dot.vla"},
        {"upper.VLA", "upper.VLA"}, {"a.v2.vla", "a.v2.vla"},
        {"notes.txt", nullptr},     {"exchange.xml", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        makeAnEdit();
        prompter.messages.clear();
        chooser.answers = {QString::fromStdString(work.file(c.chosen))};
        const bool saved = frame->lifecycle().saveAs();
        EXPECT_EQ(saved, c.written != nullptr);
        if (c.written) {
            EXPECT_TRUE(fileExists(work.file(c.written)));
            EXPECT_EQ(frame->document().path(), work.file(c.written));
            EXPECT_FALSE(frame->document().isModified());
            EXPECT_TRUE(prompter.messages.empty());
        } else {
            EXPECT_EQ(messageIds(), std::vector<int>{4007});
            EXPECT_FALSE(fileExists(work.file(c.chosen)));
            EXPECT_TRUE(frame->document().isModified());
        }
    }
    // Every save went through the temporary-file-and-rename path: nothing else is left.
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(work.path()))
        ++files;
    EXPECT_EQ(files, 4u);
}

TEST_F(WindowTest, SaveOfANonNativeNameGoesOnToSaveAsWithTheProposedName)
{
    const std::string xml = work.file("site.XML");
    writeFile(xml, readFile(sample("harbour-quay-no2.xml")));
    ASSERT_TRUE(start({QString::fromStdString(xml)}));
    ASSERT_EQ(frame->document().path(), xml);

    chooser.answers = {QString::fromStdString(work.file("site.vla"))};
    frame->runCommand(command::save);
    EXPECT_EQ(messageIds(), std::vector<int>{4007});
    ASSERT_EQ(chooser.proposedPaths.size(), 1);
    EXPECT_EQ(chooser.proposedPaths.front(), QString::fromStdString(work.file("site.vla")));
    EXPECT_TRUE(fileExists(work.file("site.vla")));
    EXPECT_EQ(frame->document().path(), work.file("site.vla"));

    // A new document goes straight to Save As; cancelled, nothing changes.
    frame->runCommand(command::newDocument);
    makeAnEdit();
    prompter.messages.clear();
    frame->runCommand(command::save);
    EXPECT_EQ(chooser.proposedPaths.size(), 2);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(frame->document().isModified());
}

TEST_F(WindowTest, AFailedSaveKeepsTheDocumentModifiedAndSaysSo)
{
    ASSERT_TRUE(start({QString::fromStdString(sample("harbour.vla"))}));
    makeAnEdit();
    chooser.answers = {QString::fromStdString(work.file("no-such-folder/log.vla"))};
    EXPECT_FALSE(frame->lifecycle().saveAs());
    EXPECT_EQ(messageIds(), std::vector<int>{4005});
    EXPECT_TRUE(frame->document().isModified());
    EXPECT_EQ(frame->document().path(), sample("harbour.vla"));
}

}  // namespace
}  // namespace kolv::test
