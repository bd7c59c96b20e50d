#include "cli/CommandDocument.h"

#include "formats/OpenDocument.h"
#include "platform/FileIo.h"
#include "platform/Issue.h"
#include "platform/WindowsPath.h"
#include "settings/SettingsStore.h"

#include <filesystem>

namespace kolv {

int loadCommandSession(const CommandArguments& arguments, CommandSession& session, Prompter& prompter)
{
    const std::string folder = installFolderFor(arguments);
    if (!directoryExists(folder)) {
        std::error_code error;
        const bool exists = std::filesystem::exists(folder, error);
        return usageError("the installation folder " + folder + (exists ? " is not a folder" : " does not exist"));
    }
    session.settings.dataRoot = defaultDataRoot();
    session.settings.installFolderOverride = folder;
    clear(session.blank);
    Issues issues;
    loadSettings(session.settings, session.blank, true, issues);
    showIssues(prompter, issues);
    return ExitCode::Success;
}

int openCommandFile(const CommandSession& session, const std::string& path, LogSettings& settings, BoringData& data,
                    FileReport& report)
{
    settings = session.settings;
    data = session.blank;
    if (directoryExists(path)) {
        report.error(readFailureReason(path));
        return ExitCode::CannotOpen;
    }
    Issues issues;
    const OpenStatus status = openDocumentFile(path, data, settings.soilNameMaster, issues);
    showIssues(report, issues);
    switch (status) {
    case OpenStatus::Opened:
        return ExitCode::Success;
    case OpenStatus::CannotOpen:
        return ExitCode::CannotOpen;
    case OpenStatus::NotRecognised:
        return ExitCode::NotRecognised;
    }
    return ExitCode::NotRecognised;
}

}  // namespace kolv
