#pragma once
// Exporting a store as an exchange file and importing it again, and what of
// the store must come back.
#include "data/BoringData.h"
#include "formats/XmlWriter.h"

#include <string>
#include <vector>

namespace kolv::test {

struct CellDifference {
    std::string place;     // "SptRow 3.2", "heading 13"
    std::string expected;  // UTF-8
    std::string actual;
};

// The store the exchange file gives when it is opened as the Open command
// opens it (with an empty soil-name master).
BoringData importExported(const XmlExport& exported);

// Every cell the exchange file carries, compared with the store imported
// from it. A cell that the export reported as an issue may differ; the
// other cells that may differ, and how, are listed in ExportRoundTrip.cpp.
std::vector<CellDifference> carriedCellDifferences(const BoringData& original, const BoringData& imported,
                                                   const XmlExportIssues& issues);

// Every saved cell of two stores: what an exchange file imported, exported
// and imported again must give exactly.
std::vector<CellDifference> savedCellDifferences(const BoringData& first, const BoringData& second);

std::string describe(const std::vector<CellDifference>& differences);

// "xmllint --noout --valid" with the DTD of the corpus; empty when the file
// is valid, else what xmllint says. The DTD folder is found in the corpus.
std::string validityErrors(const std::string& bytes);
bool xmllintAvailable();

}  // namespace kolv::test
