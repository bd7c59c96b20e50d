#include "cli/CommandDocument.h"

#include "document/DocumentOpening.h"
#include "document/PrinterPaper.h"
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

PaperSize paperDefaultsOf(const LogSettings& settings)
{
    return standardPaper(settings.paperSize == 1 ? "A4" : "A3", settings.paperOrientation == 1)
        .value_or(PaperSize{297, 420});
}

int openCommandFile(const CommandSession& session, const std::string& path, LogSettings& settings, BoringData& data,
                    ViewState& view, const PaperSize& paper, FileReport& report, BoringData* asRead)
{
    data = session.blank;
    if (directoryExists(path)) {
        report.error(readFailureReason(path));
        return ExitCode::CannotOpen;
    }
    Issues issues;
    // The detection of the Open command; the unknown-version message of the
    // exchange files stays, as scripts are told what they are given.
    const OpenOptions options{openCommandOptions.detectionLines, true, openCommandOptions.detectWithLineEnds};
    const OpenStatus status = openLogFile(path, options, data, settings, view, paper, issues, asRead);
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
