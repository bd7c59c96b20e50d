#include "formats/LineDispatch.h"

#include "data/Cp932Text.h"
#include "formats/FormatDetection.h"
#include "formats/NativeReader.h"
#include "formats/ZoribFormatReader.h"
#include "formats/RazobFormatReader.h"

namespace kolv {

void dispatchLine(BoringData& data, LineReaderState& state, FormatCode formatCode, std::string_view line)
{
    const std::string_view text = stripLineEnd(line);
    if (isXmlFormat(formatCode)) {
        state.xml.formatCode = formatCode;
        state.xml.soilNameMaster = state.soilNameMaster;
        readXmlLine(data, state.xml, text);
        return;
    }
    switch (formatCode) {
    case FormatCode::SiblingA480:
    case FormatCode::SiblingA490:
    case FormatCode::SiblingA500:
        readZoribLine(data, state, text);
        break;
    case FormatCode::SiblingB510:
        readRazobLine(data, state, text);
        break;
    case FormatCode::Native:
        readNativeLine(data, state, text);
        break;
    default:
        break;
    }
}

}  // namespace kolv
