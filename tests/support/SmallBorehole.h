#pragma once
// A borehole of two layers down to 25 m with depth numbering: enough for
// several pages at 10 m a page, and for the soil patterns' vector codes.
#include "data/BoringData.h"
#include "support/TestSupport.h"

namespace kolv::test {

inline BoringData boreholeOf25Metres()
{
    BoringData data;
    data.layerRows.setCell(1, 1, "12.00");
    data.layerRows.setCell(1, 2, sjis("粘土"));
    data.layerRows.setCell(2, 1, "25.00");
    data.layerRows.setCell(2, 2, sjis("砂"));
    data.setHeadingLine(36, "1");  // depth numbering
    return data;
}

}  // namespace kolv::test
