// export-xml FILE -o OUT.XML | FILE... --out-dir DIR: reads every FILE as
// the Open command does and writes it as an exchange file (DTD 4.00).
#include "cli/Commands.h"
#include "cli/FileCommand.h"
#include "formats/XmlWriter.h"
#include "platform/Cp932Codec.h"

namespace kolv {

int runExportXmlCommand(const std::vector<std::string>& arguments)
{
    return runOpenedFileCommand({"export-xml", "OUT.XML", ".XML"}, arguments,
                                [](const BoringData& data, const FileTask& task, FileReport& report) {
                                    // The file is written all the same, with what the format holds.
                                    const XmlExport exported = writeXmlFile(data);
                                    for (const XmlExportIssue& issue : exported.issues)
                                        report.warn(cp932ToUtf8(describeXmlExportIssue(issue)));
                                    return writeTextResult(task, exported.bytes, report);
                                });
}

}  // namespace kolv
