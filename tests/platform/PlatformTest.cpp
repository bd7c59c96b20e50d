#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"
#include "platform/MessageCatalogue.h"
#include "platform/WindowsPath.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
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

namespace {

// The names in a folder, to see that no temporary file is left behind.
std::vector<std::string> namesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs write with a file size limit of a few bytes, so that any write of a
// file fails even for root (who may write into a read-only folder).
bool writeWithTinyFileLimit(const std::function<bool()>& write)
{
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 4;
    setrlimit(RLIMIT_FSIZE, &tiny);
    const bool written = write();
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previousHandler);
    return written;
}

}  // namespace

TEST(FileIo, ASavedFileKeepsItsModeAndOwner)
{
    TemporaryFolder folder;
    const std::string target = folder.file("doc.vla");
    kolv::test::writeFile(target, "old");
    chmod(target.c_str(), 0640);
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(target.c_str(), 4321, 4322), 0);
    }
    ASSERT_TRUE(writeFileAtomically(target, "new"));
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(info.st_uid, 4321u);
        EXPECT_EQ(info.st_gid, 4322u);
    }
    EXPECT_EQ(kolv::test::readFile(target), "new");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"doc.vla"});
}

TEST(FileIo, ALinkStaysAndWhatItLeadsToIsReplacedInItsOwnFolder)
{
    struct Case {
        const char* name;
        const char* linkText;  // what the link holds; "" makes it absolute to elsewhere/doc.vla
        bool targetExists;
    };
    for (const Case& item : {Case{"absolute", "", true}, Case{"relative", "elsewhere/doc.vla", true},
                             Case{"dangling", "elsewhere/doc.vla", false}, Case{"link to a link", "second", true}}) {
        SCOPED_TRACE(item.name);
        TemporaryFolder folder;
        std::filesystem::create_directories(folder.file("elsewhere"));
        const std::string target = folder.file("elsewhere/doc.vla");
        if (item.targetExists)
            kolv::test::writeFile(target, "old");
        const std::string link = folder.file("doc.vla");
        if (std::string(item.linkText) == "second") {
            std::filesystem::create_symlink("elsewhere/doc.vla", folder.file("second"));
            std::filesystem::create_symlink("second", link);
        } else {
            std::filesystem::create_symlink(*item.linkText ? std::string(item.linkText) : target, link);
        }
        ASSERT_TRUE(writeFileAtomically(link, "new"));
        EXPECT_TRUE(std::filesystem::is_symlink(link));
        EXPECT_EQ(kolv::test::readFile(target), "new");
        EXPECT_EQ(namesIn(folder.file("elsewhere")), std::vector<std::string>{"doc.vla"});
        // A write that fails leaves the file behind the link as it was.
        EXPECT_FALSE(writeWithTinyFileLimit([&] { return writeFileAtomically(link, "lost and longer"); }));
        EXPECT_TRUE(std::filesystem::is_symlink(link));
        EXPECT_EQ(kolv::test::readFile(target), "new");
        EXPECT_EQ(namesIn(folder.file("elsewhere")), std::vector<std::string>{"doc.vla"});
    }
}

TEST(FileIo, AFailedWriteOfAnyUserKeepsThePreviousFile)
{
    TemporaryFolder folder;
    const std::string target = folder.file("doc.vla");
    kolv::test::writeFile(target, "old");
    EXPECT_FALSE(writeWithTinyFileLimit([&] { return writeFileAtomically(target, "lost and longer"); }));
    EXPECT_EQ(kolv::test::readFile(target), "old");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"doc.vla"});
}

TEST(FileIo, PipesSocketsAndDevicesAreWrittenToNotReplaced)
{
    TemporaryFolder folder;
    const std::string bytes(200000, 'x');  // more than a pipe holds at once
    const std::string pipe = folder.file("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::string readFromPipe;
    std::thread pipeReader([&] { readFromPipe = kolv::test::readFile(pipe); });
    EXPECT_TRUE(writeFileAtomically(pipe, bytes));
    pipeReader.join();
    EXPECT_EQ(readFromPipe.size(), bytes.size());
    struct stat info {};
    ASSERT_EQ(lstat(pipe.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    const std::string socketPath = folder.file("socket");
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, socketPath.c_str());
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 1), 0);
    std::string readFromSocket;
    std::thread socketReader([&] {
        const int connection = accept(listener, nullptr, nullptr);
        char buffer[65536];
        ssize_t got = 0;
        while ((got = read(connection, buffer, sizeof buffer)) > 0)
            readFromSocket.append(buffer, static_cast<std::size_t>(got));
        close(connection);
    });
    EXPECT_TRUE(writeFileAtomically(socketPath, bytes));
    socketReader.join();
    close(listener);
    EXPECT_EQ(readFromSocket.size(), bytes.size());
    ASSERT_EQ(lstat(socketPath.c_str(), &info), 0);
    EXPECT_TRUE(S_ISSOCK(info.st_mode));

    // A device takes the bytes or says it could not; it is never replaced,
    // even for root, and neither is a link to it.
    const std::string linkToNull = folder.file("null");
    std::filesystem::create_symlink("/dev/null", linkToNull);
    EXPECT_TRUE(writeFileAtomically(linkToNull, bytes));
    EXPECT_TRUE(writeFileAtomically("/dev/null", bytes));
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_FALSE(writeFileAtomically("/dev/full", bytes));
    }
    for (const char* device : {"/dev/null", "/dev/full"}) {
        if (lstat(device, &info) == 0) {
            EXPECT_TRUE(S_ISCHR(info.st_mode)) << device;
        }
    }
    EXPECT_TRUE(std::filesystem::is_symlink(linkToNull));
    EXPECT_FALSE(writeFileAtomically(folder.path(), bytes));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path()));
}

TEST(FileIo, StandardOutputIsWrittenWhereItStands)
{
    // /dev/stdout and /dev/fd/N lead to a descriptor of this process: a file
    // opened for appending is appended to, as a shell's ">>" would.
    TemporaryFolder folder;
    const std::string file = folder.file("out.txt");
    kolv::test::writeFile(file, "kept ");
    const int descriptor = open(file.c_str(), O_WRONLY | O_APPEND);
    ASSERT_GE(descriptor, 0);
    EXPECT_TRUE(writeFileAtomically("/dev/fd/" + std::to_string(descriptor), "added"));
    EXPECT_TRUE(writeFileAtomically("/proc/self/fd/" + std::to_string(descriptor), "!"));
    close(descriptor);
    EXPECT_EQ(kolv::test::readFile(file), "kept added!");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"out.txt"});
}
