// Every public exchange file of the corpus, every bundled sample and every
// document fixture, opened as the Open command opens it, exported, checked
// against the DTD and imported again.
#include "ExchangeFile.h"
#include "ExportRoundTrip.h"

#include "formats/XmlWriter.h"
#include "platform/Cp932Codec.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace kolv {
namespace {

using test::carriedCellDifferences;
using test::describe;
using test::importExported;
using test::openExchangeFile;

std::vector<std::string> filesUnder(const std::string& folder, const std::set<std::string>& extensions)
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        if (entry.is_regular_file() && extensions.count(extension))
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> corpusFiles()
{
    return test::corpusAvailable() ? filesUnder(test::corpusDir(), {".xml"}) : std::vector<std::string>();
}

// The documents of the corpus, the samples and the fixtures.
std::vector<std::string> documentFiles()
{
    const std::set<std::string> documents = {".vla", ".vle", ".vli", ".vlo", ".vlu", ".xml"};
    std::vector<std::string> files = corpusFiles();
    for (const char* folder : {KOLV_SOURCE_DIR "/share/samples", KOLV_FIXTURE_DIR}) {
        const std::vector<std::string> more = filesUnder(folder, documents);
        files.insert(files.end(), more.begin(), more.end());
    }
    return files;
}

bool checkValidity()
{
    if (test::xmllintAvailable())
        return true;
    EXPECT_EQ(std::getenv("CI"), nullptr) << "xmllint is missing (tools/setup.sh installs libxml2-utils)";
    return false;
}

TEST(XmlExportFiles, EveryDocumentExportsAValidFileThatGivesItsCarriedCellsBack)
{
    const bool validate = checkValidity();
    int exportedFiles = 0;
    for (const std::string& path : documentFiles()) {
        SCOPED_TRACE(path);
        const auto opened = openExchangeFile(path);
        if (opened->status != OpenStatus::Opened)
            continue;  // the folder management file of a delivery
        const XmlExport exported = writeXmlFile(opened->data);
        if (validate) {
            EXPECT_EQ(test::validityErrors(exported.bytes), "");
        }
        EXPECT_EQ(describe(carriedCellDifferences(opened->data, importExported(exported), exported.issues)), "");
        ++exportedFiles;
    }
    EXPECT_GE(exportedFiles, test::corpusAvailable() ? 20 : 4);
}

// A 4.00 file holds nothing the export could not write back: its store
// comes back whole. Every 4.00 exchange file of the corpus is checked: the
// files whose DOCTYPE names the DTD of that version are counted on their own,
// so a change of the version mark the loop looks for cannot skip them.
TEST(XmlExportFiles, FilesOfTheFourZeroZeroFormatComeBackAsTheyWereImported)
{
    int checked = 0;
    int fourZeroZeroFiles = 0;
    for (const std::string& path : corpusFiles()) {
        const std::string text = test::readFile(path);
        if (text.find("SYSTEM \"BED0400.DTD\"") != std::string::npos)
            ++fourZeroZeroFiles;
        if (text.find("DTD_version=\"4.00\"") == std::string::npos)
            continue;
        SCOPED_TRACE(path);
        const auto opened = openExchangeFile(path);
        ASSERT_EQ(opened->status, OpenStatus::Opened);
        const XmlExport exported = writeXmlFile(opened->data);
        EXPECT_EQ(describe(test::savedCellDifferences(opened->data, importExported(exported))), "");
        ++checked;
    }
    EXPECT_EQ(checked, fourZeroZeroFiles);
    EXPECT_GE(checked, test::corpusAvailable() ? 3 : 0);
}

}  // namespace
}  // namespace kolv
