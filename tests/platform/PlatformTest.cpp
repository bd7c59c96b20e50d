#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"
#include "platform/MessageCatalogue.h"
#include "platform/WindowsPath.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <thread>
#include <vector>

using namespace kolv;
using kolv::test::sjis;
using kolv::test::TemporaryFolder;

TEST(Cp932Codec, RoundTripsAndFallsBackPerCharacter)
{
    const std::string utf8 = "港湾柱状図 Ⅰ①〓ｱ";
    int replaced = -1;
    const std::string cp932 = utf8ToCp932(utf8, &replaced);
    EXPECT_EQ(replaced, 0);
    EXPECT_EQ(cp932ToUtf8(cp932), utf8);
    EXPECT_EQ(utf8ToCp932("a😀b", &replaced),
              "a\x81\xAC"
              "b");
    EXPECT_EQ(replaced, 1);
    // Characters met before convert as they did the first time.
    for (int time = 0; time < 2; ++time) {
        EXPECT_EQ(utf8ToCp932("☃港ｱé", &replaced), "\x81\xAC\x8D\x60\xB1\x81\xAC");
        EXPECT_EQ(replaced, 2);
    }
    EXPECT_EQ(cp932ToUtf8("a\x85\x40z\xFF"), "a\xEF\xBF\xBDz\xEF\xBF\xBD");
    EXPECT_EQ(cp932ToUtf8(std::string("a\x82", 2)), "a\xEF\xBF\xBD");
    EXPECT_TRUE(looksLikeUtf8("港"));
    EXPECT_FALSE(looksLikeUtf8(sjis("港")));
    EXPECT_FALSE(looksLikeUtf8("plain"));
}

TEST(Cp932Codec, AStrayLeadByteKeepsTheByteThatFollowsIt)
{
    const std::string replacement = "\xEF\xBF\xBD";
    const struct {
        std::string cp932;
        std::string utf8;
    } cases[] = {
        {"x\x81,5", "x" + replacement + ",5"},
        {"\x81\n", replacement + "\n"},
        {"\x81\r\nb", replacement + "\r\nb"},
        {"\x81$$", replacement + "$$"},
        {"\x82\x7F", replacement + "\x7F"},
        {"\x82\xA0\x81", "\xE3\x81\x82" + replacement},  // あ, then a lead byte at the end
    };
    for (const auto& c : cases)
        EXPECT_EQ(cp932ToUtf8(c.cp932), c.utf8) << testing::PrintToString(c.cp932);
}

TEST(Cp932Codec, ThreadsConvertAtTheSameTime)
{
    const std::string utf8 = "港湾柱状図 砂礫 N値50/12";
    const std::string cp932 = utf8ToCp932(utf8);
    std::vector<int> mismatches(4, 0);
    std::vector<std::thread> threads;
    for (int thread = 0; thread < 4; ++thread) {
        threads.emplace_back([&, thread] {
            for (int round = 0; round < 500; ++round) {
                if (cp932ToUtf8(cp932) != utf8 || utf8ToCp932(utf8) != cp932)
                    ++mismatches[thread];
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

TEST(MessageCatalogue, FillsValuesIntoTheTextAndKeepsTheirBytes)
{
    EXPECT_EQ(messageId(Message::IntegerRange), 61713);
    EXPECT_EQ(messageText(Message::IntegerRange, "25", "500"), sjis("25 から 500 までの整数を入力してください。"));
    // A path in code page 932 ("表" ends in the byte of "\") that itself reads
    // "%2" stays byte for byte.
    const std::string path = sjis("C:\\表\\%2.ndx");
    EXPECT_EQ(messageText(Message::FileNotFound, path), sjis("ファイルが見つかりません\n( ") + path + " )");
    EXPECT_EQ(messageText(Message::CannotOpen, "unused"), sjis("このファイルは開けません"));
    const Issue issue = issueOf(Message::SaveFailed, MessageKind::Error);
    EXPECT_EQ(issue, (Issue{4005, sjis("保存できませんでした"), MessageKind::Error}));

    RecordingPrompter prompter;
    prompter.scriptedAnswers = {Answer::No};
    EXPECT_EQ(showMessage(prompter, Message::CopyDuplicateDepth, MessageKind::Question, "3.50"), Answer::No);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].id, 3999);
    EXPECT_EQ(prompter.messages[0].text, sjis("同じ深度データがあります。（3.50） \n追加しますか？"));
}

TEST(WindowsPath, DrivesMapUnderTheDataRootAndZIsTheHostRoot)
{
    TemporaryFolder root;
    std::filesystem::create_directories(root.file("drive_c/Ostrand/Qelm3/Jbptn"));
    kolv::test::writeFile(root.file("drive_c/Ostrand/Qelm3/Jbptn/j1100.bmp"), "x");
    EXPECT_EQ(hostPathFromWindows("C:\\Ostrand\\Qelm3\\Sys.ndx", root.path()),
              root.file("drive_c/Ostrand/Qelm3/Sys.ndx"));
    EXPECT_EQ(hostPathFromWindows("c:\\OSTRAND\\qelm3\\Jbptn\\J1100.BMP", root.path()),
              root.file("drive_c/Ostrand/Qelm3/Jbptn/j1100.bmp"));
    EXPECT_EQ(hostPathFromWindows("Z:\\tmp\\a.vla", root.path()), "/tmp/a.vla");
    EXPECT_EQ(hostPathFromWindows(sjis("D:\\表\\a"), root.path()), root.file("drive_d/") + sjis("表") + "/a");
    EXPECT_EQ(windowsPathFromHost("/tmp/a.vla", root.path()), "Z:\\tmp\\a.vla");
    EXPECT_EQ(windowsPathFromHost(root.file("drive_c/Ostrand/Qelm3"), root.path()), "C:\\Ostrand\\Qelm3");
}

TEST(FileIo, LinesLoseOnlyARealLineEnd)
{
    const auto lines = splitLines(std::string("a\r\nb\nc\r") + sjis("砂"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[1], "b");
    EXPECT_EQ(lines[2], "c\r" + sjis("砂"));
    EXPECT_TRUE(splitLines("").empty());
}

TEST(FileIo, AFailedSaveKeepsThePreviousFile)
{
    TemporaryFolder folder;
    const std::string target = folder.file("doc.vla");
    ASSERT_TRUE(writeFileAtomically(target, "old"));
    ASSERT_TRUE(writeFileAtomically(target, "new"));
    EXPECT_EQ(kolv::test::readFile(target), "new");
    EXPECT_FALSE(writeFileAtomically(folder.file("missing/doc.vla"), "x"));
    if (geteuid() != 0) {
        chmod(folder.path().c_str(), 0500);
        EXPECT_FALSE(writeFileAtomically(target, "lost"));
        chmod(folder.path().c_str(), 0700);
        EXPECT_EQ(kolv::test::readFile(target), "new");
    }
    EXPECT_EQ(std::filesystem::directory_iterator(folder.path())->path().filename(), "doc.vla");
}
