#pragma once
// Reader of the public-works exchange files ("ボーリング情報" DTD 1.10 to
// 4.00), one element per line, called by the line dispatcher for the format
// codes 110 to 209.
#include "data/BoringData.h"
#include "settings/SoilNameMaster.h"

#include <string_view>

namespace kolv {

// What the exchange-file reader keeps between the lines of one file.
struct XmlReaderState {
    int formatCode = 0;
    // The soil-name master whose bitmap set gives imported layers their
    // pattern codes; set by the line dispatcher.
    const SoilNameMaster* soilNameMaster = nullptr;
};

void readXmlLine(BoringData& data, XmlReaderState& state, std::string_view line);

}  // namespace kolv
