#include "cli/CommandDocument.h"

#include "formats/OpenDocument.h"
#include "platform/FileIo.h"
#include "platform/WindowsPath.h"
#include "settings/SettingsStore.h"

namespace kolv {

int loadCommandSettings(const CommandArguments& arguments, LogSettings& settings, BoringData& data,
                        Prompter& prompter)
{
    const std::string folder = installFolderFor(arguments);
    if (!directoryExists(folder))
        return usageError("the installation folder " + folder + " does not exist");
    settings.dataRoot = defaultDataRoot();
    settings.installFolderOverride = folder;
    clear(data);
    loadSettings(settings, data, true, prompter);
    return ExitCode::Success;
}

int openCommandDocument(const CommandArguments& arguments, LogSettings& settings, BoringData& data,
                        Prompter& prompter)
{
    if (arguments.files.size() != 1)
        return usageError(arguments.files.empty() ? "no FILE given" : "more than one FILE given");
    const int loaded = loadCommandSettings(arguments, settings, data, prompter);
    if (loaded != ExitCode::Success)
        return loaded;
    switch (openDocumentFile(arguments.files.front(), data, settings.soilNameMaster, prompter)) {
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
