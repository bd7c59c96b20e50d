// Saving the document, the settings and the master files when the folder is
// read-only, when the disk fills up half-way and when the program is killed
// half-way through the write: the previous file always survives whole, and a
// save that returns reports "保存できませんでした".
//
// Each save runs in a child process, so that the faults (another user, a file
// size limit, a signal) stay there. A file size limit makes write() fail with
// EFBIG once the file reaches it, as a full disk does; with the signal it
// raises left at its default the process dies in the middle of the write.
#include "formats/NativeWriter.h"
#include "platform/Prompter.h"
#include "settings/FontSlotFile.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsStore.h"
#include "settings/ShortTextMaster.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kolv;
using kolv::test::sjis;

namespace {

enum class Fault { ReadOnlyFolder, DiskFull, KilledHalfWay };

// Exit codes of the child that runs one save.
constexpr int reportedFailure = 0;
constexpr int claimedSuccess = 1;
constexpr int silentFailure = 2;
constexpr int cannotDropPrivileges = 3;

// Bytes a file may reach before the simulated disk is full; every file saved
// here is longer.
constexpr rlim_t diskSpace = 16;

struct Saver {
    const char* what;
    std::string fileName;  // in the installation folder
    std::function<bool(Issues&)> save;
    std::string message;  // empty: the saver stays silent
};

struct ChildOutcome {
    bool exited = false;
    int exitCode = -1;
    int signal = 0;
};

ChildOutcome saveInChild(const Saver& saver, Fault fault)
{
    const pid_t child = fork();
    if (child == 0) {
        if (fault == Fault::ReadOnlyFolder && geteuid() == 0) {
            // The super-user writes anywhere: the save runs as nobody.
            if (setgid(65534) != 0 || setuid(65534) != 0)
                _exit(cannotDropPrivileges);
        }
        if (fault != Fault::ReadOnlyFolder) {
            if (fault == Fault::DiskFull)
                std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{diskSpace, diskSpace};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        Issues issues;
        if (saver.save(issues))
            _exit(claimedSuccess);
        const bool reported =
            saver.message.empty() ? issues.empty() : issues.size() == 1 && issues[0].text == saver.message;
        _exit(reported ? reportedFailure : silentFailure);
    }
    ChildOutcome outcome;
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return outcome;
    outcome.exited = WIFEXITED(status);
    outcome.exitCode = outcome.exited ? WEXITSTATUS(status) : -1;
    outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return outcome;
}

std::vector<std::string> filesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(SaveUnderFaults, ThePreviousFileSurvivesAndTheFailureIsReported)
{
    kolv::test::TemporaryFolder root;
    const std::string folder = root.file("Qelm3");
    std::filesystem::create_directories(folder);
    // Another user must be able to reach the folder to find it read-only.
    chmod(root.path().c_str(), 0755);

    LogSettings settings;
    settings.dataRoot = root.path();
    settings.installFolderOverride = folder;
    BoringData data;
    Issues loading;
    loadSettings(settings, data, false, loading);
    data.setHeadingLine(1, sjis("港湾施設土質調査"));
    data.layerRows.row(1) = {"3.20", sjis("埋土"), "", sjis("暗灰"), "700.0", "", "247", "B", "", "", "", "", "", ""};
    ShortTextMaster engineers;
    engineers.entries = {{"A", sjis("港湾太郎")}, {"B", sjis("土質花子")}, {"C", sjis("柱状次郎")}};
    const std::string saveFailed = sjis("保存できませんでした");

    const Saver savers[] = {
        {"document", "doc.vla", [&](Issues& issues) { return saveNativeFile(data, folder + "/doc.vla", issues); },
         saveFailed},
        {"settings", "Sys.ndx", [&](Issues& issues) { return saveSettings(settings, settings.settingsPath, issues); },
         saveFailed},
        {"short-text master", "M.mst",
         [&](Issues& issues) {
             return saveShortTextMaster(settings, ShortTextMasterKind::Engineer, engineers, issues);
         },
         settings.engineerMasterPath + "\n" + saveFailed},
        // A font is saved with its style sheet, which reports the failure.
        {"font", "Font1.ndx", [&](Issues&) { return saveFontSlot(settings, 1); }, ""},
    };
    const std::string previous = "previous file\r\n";

    for (const Saver& saver : savers) {
        for (const Fault fault : {Fault::ReadOnlyFolder, Fault::DiskFull, Fault::KilledHalfWay}) {
            SCOPED_TRACE(std::string(saver.what) + ", fault " + std::to_string(static_cast<int>(fault)));
            std::filesystem::remove_all(folder);
            std::filesystem::create_directories(folder);
            const std::string target = folder + "/" + saver.fileName;
            kolv::test::writeFile(target, previous);
            if (fault == Fault::ReadOnlyFolder)
                chmod(folder.c_str(), 0555);

            const ChildOutcome outcome = saveInChild(saver, fault);
            chmod(folder.c_str(), 0755);
            if (outcome.exited && outcome.exitCode == cannotDropPrivileges)
                GTEST_SKIP() << "the save cannot run as another user here";

            if (fault == Fault::KilledHalfWay) {
                EXPECT_EQ(outcome.signal, SIGXFSZ);
            } else {
                EXPECT_TRUE(outcome.exited);
                EXPECT_EQ(outcome.exitCode, reportedFailure);
                EXPECT_EQ(filesIn(folder), std::vector<std::string>{saver.fileName});
            }
            EXPECT_EQ(kolv::test::readFile(target), previous);

            // With the fault gone the same save goes through.
            Issues issues;
            EXPECT_TRUE(saver.save(issues));
            EXPECT_NE(kolv::test::readFile(target), previous);
        }
    }
}
