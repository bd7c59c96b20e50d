#pragma once
// The core part ("コア情報") of an exchange file: the borehole's tables in
// the order the DTD 4.00 lists its groups.
#include "data/BoringData.h"
#include "formats/XmlExportValues.h"
#include "formats/XmlLineWriter.h"

namespace kolv {

void writeCoreInformation(XmlLineWriter& writer, const BoringData& data, const SurveyYears& years);

}  // namespace kolv
