#include "formats/OpenDocument.h"

#include "data/Cp932Text.h"
#include "formats/FormatDetection.h"
#include "formats/LineDispatch.h"
#include "formats/XmlText.h"
#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"
#include "platform/Prompter.h"

#include <algorithm>
#include <vector>

namespace kolv {

namespace {

constexpr std::string_view fileNotFound =
    "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1"
    "\n( %1 )";  // ファイルが見つかりません\n( %1 )
constexpr std::string_view cannotOpen =
    "\x82\xB1\x82\xCC\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xCD\x8A\x4A\x82\xAF\x82\xDC\x82\xB9\x82\xF1";  // このファイルは開けません
constexpr std::string_view unknownDtdVersion =
    "DTD\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93\x82\xAA\x95\x73\x96\xBE\x82\xDC\x82\xBD\x82\xCD\x96\xA2"
    "\x91\xCE\x89\x9E\x82\xC5\x82\xB7.";  // DTDバージョンが不明または未対応です.

}  // namespace

OpenStatus openDocumentFile(const std::string& hostPath, BoringData& data, const SoilNameMaster& master,
                            Prompter& prompter, const OpenOptions& options)
{
    std::string bytes;
    if (!readFileBytes(hostPath, bytes)) {
        prompter.show(32790, fillPlaceholder(std::string(fileNotFound), utf8ToCp932(hostPath)),
                      MessageKind::Error);
        return OpenStatus::CannotOpen;
    }

    PreparedXml prepared = prepareXmlText(bytes);
    if (!prepared.warning.empty())
        prompter.show(0, prepared.warning, MessageKind::Warning);
    const std::vector<std::string> lines =
        prepared.isXml ? std::move(prepared.lines) : splitLinesKeepingEnds(bytes);
    bytes.clear();

    int formatCode = FormatCode::Unknown;
    std::size_t first = 0;
    const std::size_t detectionEnd = std::min(lines.size(), static_cast<std::size_t>(std::max(options.detectionLines, 0)));
    for (; first < detectionEnd; ++first) {
        const std::string_view line = lines[first];
        formatCode = detectFormat(options.detectWithLineEnds ? line : stripLineEnd(line));
        if (formatCode > 0)
            break;
    }
    if (formatCode <= 0) {
        prompter.show(32793, std::string(cannotOpen), MessageKind::Error);
        return OpenStatus::NotRecognised;
    }
    if (formatCode == FormatCode::XmlUnknownVersion && options.reportUnknownDtdVersion)
        prompter.show(4010, std::string(unknownDtdVersion), MessageKind::Warning);

    // Nothing fails once a format is recognised, so the store is cleared and
    // read in place.
    clear(data);
    LineReaderState state;
    state.soilNameMaster = &master;
    state.prompter = &prompter;
    for (std::size_t line = first; line < lines.size(); ++line)
        dispatchLine(data, state, formatCode, lines[line]);
    postProcess(data, formatCode, state);
    return OpenStatus::Opened;
}

}  // namespace kolv
