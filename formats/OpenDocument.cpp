#include "formats/OpenDocument.h"

#include "data/Cp932Text.h"
#include "formats/DeliveryFolder.h"
#include "formats/FormatDetection.h"
#include "formats/LineDispatch.h"
#include "formats/XmlText.h"
#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"
#include "platform/MessageCatalogue.h"

#include <algorithm>
#include <vector>

namespace kolv {

OpenStatus openDocumentFile(const std::string& hostPath, BoringData& data, const SoilNameMaster& master, Issues& issues,
                            const OpenOptions& options)
{
    std::string bytes;
    if (!readFileBytes(hostPath, bytes)) {
        issues.push_back(issueOf(Message::FileNotFound, MessageKind::Error, utf8ToCp932(hostPath)));
        return OpenStatus::CannotOpen;
    }

    PreparedXml prepared = prepareXmlText(bytes);
    if (!prepared.warning.empty())
        issues.push_back({0, prepared.warning, MessageKind::Warning});
    const std::vector<std::string> lines = prepared.isXml ? std::move(prepared.lines) : splitLinesKeepingEnds(bytes);

    FormatCode formatCode = FormatCode::Unknown;
    std::size_t first = 0;
    const std::size_t detectionEnd =
        std::min(lines.size(), static_cast<std::size_t>(std::max(options.detectionLines, 0)));
    for (; first < detectionEnd; ++first) {
        const std::string_view line = lines[first];
        formatCode = detectFormat(options.detectWithLineEnds ? line : stripLineEnd(line));
        if (formatCode != FormatCode::Unknown)
            break;
    }
    if (formatCode == FormatCode::Unknown) {
        // The folder management file lies beside the exchange files and is
        // often taken for one: the message says where it is read instead.
        const bool managementFile = prepared.isXml && isDeliveryManagementText(bytes);
        issues.push_back(
            issueOf(managementFile ? Message::CannotOpenDeliveryFile : Message::CannotOpen, MessageKind::Error));
        return OpenStatus::NotRecognised;
    }
    bytes.clear();
    if (formatCode == FormatCode::XmlUnknownVersion && options.reportUnknownDtdVersion)
        issues.push_back(issueOf(Message::UnknownDtdVersion, MessageKind::Warning));
    // A damaged exchange file is read as far as it goes; the user is told
    // which file it is and that the log may lack what followed the damage.
    if (prepared.isXml && !prepared.notWellFormed.empty())
        issues.push_back(
            issueOf(Message::XmlNotWellFormed, MessageKind::Warning, utf8ToCp932(hostPath), prepared.notWellFormed));
    if (prepared.isXml && prepared.endsEarly)
        issues.push_back(issueOf(Message::XmlEndsEarly, MessageKind::Warning, utf8ToCp932(hostPath)));

    // Nothing fails once a format is recognised, so the store is cleared and
    // read in place.
    clear(data);
    LineReaderState state;
    state.soilNameMaster = &master;
    state.issues = &issues;
    for (std::size_t line = first; line < lines.size(); ++line)
        dispatchLine(data, state, formatCode, lines[line]);
    postProcess(data, formatCode, state);
    RowsPastCapacity dropped = state.rowsPastCapacity;
    dropped += state.xml.rowsPastCapacity;
    reportRowsPastCapacity(dropped, issues);
    return OpenStatus::Opened;
}

}  // namespace kolv
