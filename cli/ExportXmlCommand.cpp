// export-xml FILE... -o OUT.XML | --out-dir DIR: reads every FILE as the
// Open command does and writes it as an exchange file (DTD 4.00).
#include "cli/CommandDocument.h"
#include "cli/Commands.h"
#include "formats/OpenDocument.h"
#include "formats/XmlWriter.h"
#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"

#include <filesystem>
#include <iostream>
#include <set>

namespace kolv {

namespace {

constexpr std::string_view outDirOption = "--out-dir";

// DIR/NAME.XML for FILE.
std::string outputInFolder(const std::string& folder, const std::string& file)
{
    return (std::filesystem::path(folder) / std::filesystem::path(exchangeFilePath(file)).filename()).string();
}

int exportFile(const std::string& file, const std::string& output, const CommandSession& session, Prompter& prompter)
{
    BoringData data = session.blank;
    switch (openDocumentFile(file, data, session.settings.soilNameMaster, prompter)) {
    case OpenStatus::Opened:
        break;
    case OpenStatus::CannotOpen:
        return ExitCode::CannotOpen;
    case OpenStatus::NotRecognised:
        return ExitCode::NotRecognised;
    }
    const XmlExport exported = writeXmlFile(data);
    for (const XmlExportIssue& issue : exported.issues)
        std::cerr << file << ": " << cp932ToUtf8(describeXmlExportIssue(issue)) << "\n";
    if (!writeFileAtomically(output, exported.bytes)) {
        std::cerr << "kolv-cli: cannot write " << output << "\n";
        return ExitCode::CannotWrite;
    }
    return ExitCode::Success;
}

}  // namespace

int runExportXmlCommand(const std::vector<std::string>& arguments)
{
    CommandArguments parsed;
    std::string error;
    if (!parseCommandArguments(arguments, {installDirOption, "-o", outDirOption}, {}, parsed, error))
        return usageError(error);
    if (parsed.files.empty())
        return usageError("no FILE given");
    if (parsed.has("-o") == parsed.has(outDirOption))
        return usageError("export-xml needs either -o OUT.XML or --out-dir DIR");
    if (parsed.has("-o") && parsed.files.size() > 1)
        return usageError("more than one FILE given: use --out-dir DIR");

    std::vector<std::string> outputs;
    if (parsed.has("-o")) {
        outputs.push_back(parsed.value("-o"));
    } else {
        const std::string& folder = parsed.value(outDirOption);
        if (!directoryExists(folder))
            return usageError("the folder " + folder + " does not exist");
        std::set<std::string> seen;
        for (const std::string& file : parsed.files) {
            outputs.push_back(outputInFolder(folder, file));
            if (!seen.insert(outputs.back()).second)
                return usageError("two FILEs would both be written to " + outputs.back());
        }
    }

    CommandSession session;
    StderrPrompter prompter;
    const int loaded = loadCommandSession(parsed, session, prompter);
    if (loaded != ExitCode::Success)
        return loaded;
    // Every file is tried; the first failure gives the exit status.
    int status = ExitCode::Success;
    for (std::size_t index = 0; index < parsed.files.size(); ++index) {
        const int result = exportFile(parsed.files[index], outputs[index], session, prompter);
        if (status == ExitCode::Success)
            status = result;
    }
    return status;
}

}  // namespace kolv
