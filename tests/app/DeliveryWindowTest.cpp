#include "WindowFixture.h"

#include "app/CommandIds.h"
#include "app/DeliveryPanel.h"
#include "app/DocumentManager.h"
#include "app/MainWindow.h"
#include "document/LogDocument.h"
#include "platform/Cp932Codec.h"
#include "platform/MessageCatalogue.h"

#include <QTreeWidget>

#include <filesystem>

namespace kolv::test {

namespace {

std::string copyOfPlanted(const TemporaryFolder& folder)
{
    const std::string copy = folder.file("planted");
    std::filesystem::copy(std::string(KOLV_FIXTURE_DIR) + "/delivery/planted", copy,
                          std::filesystem::copy_options::recursive);
    return copy;
}

}  // namespace

TEST_F(WindowTest, ADeliveryListsItsBoreholesAndOpensTheChosenOneAfterAsking)
{
    ASSERT_TRUE(start());
    const std::string delivery = copyOfPlanted(work);
    chooser.answers = {QString::fromStdString(delivery)};
    frame->runCommand(command::openDelivery);
    DeliveryPanel& panel = frame->deliveryPanel();
    QTreeWidget* list = panel.list();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_FALSE(panel.isHidden());

    struct Row {
        const char* name;
        const char* depth;
        const char* problems;  // the start of the problems column
        bool enabled;
    };
    const Row rows[] = {
        {"No.1", "6.00", "なし", true},
        {"No.2", "9.00", "4件: the borehole name differs", true},
        {"No.3", "-", "2件: the latitude", false},
    };
    for (int index = 0; index < 3; ++index) {
        const QTreeWidgetItem* item = list->topLevelItem(index);
        EXPECT_EQ(item->text(0).toStdString(), rows[index].name);
        EXPECT_EQ(item->text(1).toStdString(), rows[index].depth);
        EXPECT_TRUE(item->text(2).startsWith(QString::fromUtf8(rows[index].problems))) << item->text(2).toStdString();
        EXPECT_EQ(!item->isDisabled(), rows[index].enabled);
    }
    EXPECT_TRUE(list->topLevelItem(2)->toolTip(2).contains("DATA/BED0003.XML is missing"));

    // Choosing a borehole opens its exchange file; unsaved work is asked for first.
    makeAnEdit();
    prompter.scriptedAnswers = {Answer::Cancel};
    emit list->itemActivated(list->topLevelItem(1), 0);
    EXPECT_TRUE(saidText("データが変更されましたが、破棄してよいのですか? "));
    EXPECT_TRUE(frame->document().isModified());
    EXPECT_EQ(frame->document().data().layerRows.cell(1, 1), "7.77");
    prompter.scriptedAnswers = {Answer::Yes};
    emit list->itemActivated(list->topLevelItem(1), 0);
    EXPECT_EQ(frame->document().path(), delivery + "/DATA/BED0002.XML");
    EXPECT_FALSE(frame->document().isModified());

    // A folder that is no delivery: said, and the list stays.
    prompter.messages.clear();
    EXPECT_FALSE(panel.openDelivery(QString::fromStdString(delivery + "/DATA")));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages.front().text.find(utf8ToCp932("電子納品フォルダを開けません")), std::string::npos);
    EXPECT_EQ(list->topLevelItemCount(), 3);
}

TEST_F(WindowTest, EveryLogOfADeliveryIsWrittenAndExistingOnesAreKeptWhenAsked)
{
    ASSERT_TRUE(start());
    const std::string delivery = copyOfPlanted(work);
    const std::string logs = work.file("logs");
    chooser.answers = {QString::fromStdString(delivery), QString::fromStdString(logs)};
    frame->runCommand(command::exportDeliveryLogs);
    const auto isPdf = [](const std::string& path) { return readFile(path).rfind("%PDF-", 0) == 0; };
    EXPECT_TRUE(isPdf(logs + "/BRG0001.PDF"));
    EXPECT_TRUE(isPdf(logs + "/BRG0002.PDF"));
    EXPECT_FALSE(std::filesystem::exists(logs + "/BRG0003.PDF"));
    // No.3 has no exchange file: named in one warning.
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages.front().text,
              messageText(Message::DeliveryLogsNotWritten, utf8ToCp932("BRG0003.PDF (No.3)")));
    EXPECT_TRUE(frame->statusMessage().contains(QStringLiteral("2 個出力しました")));

    writeFile(logs + "/BRG0001.PDF", "the delivered log");
    prompter.messages.clear();
    prompter.scriptedAnswers = {Answer::No};
    EXPECT_EQ(frame->deliveryPanel().exportLogs(QString::fromStdString(logs), PaperSize{297, 420}), 0);
    EXPECT_EQ(readFile(logs + "/BRG0001.PDF"), "the delivered log");
    EXPECT_EQ(prompter.messages.front().text, messageText(Message::DeliveryLogsExist, "2"));
    prompter.scriptedAnswers = {Answer::Yes};
    EXPECT_EQ(frame->deliveryPanel().exportLogs(QString::fromStdString(logs), PaperSize{297, 420}), 2);
    EXPECT_TRUE(isPdf(logs + "/BRG0001.PDF"));
}

TEST_F(WindowTest, TheManagementFileOpenedAsADocumentPointsToTheDeliveryMenu)
{
    ASSERT_TRUE(start());
    const std::string delivery = copyOfPlanted(work);
    EXPECT_FALSE(frame->lifecycle().openPath(delivery + "/BORING.XML"));
    EXPECT_EQ(messageIds(), std::vector<int>{32793});
    EXPECT_TRUE(saidText("このファイルは開けません\n電子納品の管理ファイル (BORING.XML) です. "
                         "ファイルメニューの「電子納品フォルダを開く...」で開くか, kolv-cli delivery で柱状図を出力して"
                         "ください."));
}

}  // namespace kolv::test
