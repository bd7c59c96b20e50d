#include "ExportRoundTrip.h"

#include "ExchangeFile.h"
#include "data/Number.h"
#include "formats/XmlCodeTables.h"
#include "formats/XmlExportValues.h"
#include "platform/Cp932Codec.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

namespace kolv::test {

namespace {

using Rows = std::vector<std::vector<std::string>>;

template <class Table> Rows occupiedRows(const Table& table)
{
    Rows rows;
    for (int row = 1; row <= occupiedRowCount(table); ++row)
        rows.emplace_back(table.row(row).begin(), table.row(row).end());
    return rows;
}

// The tables as the export writes them, with the menu name its issues give.
enum class Data { Layer, Spt, Observation, InSitu, Sample, GeologicAge, WaterLevel, Drilling };

struct DataTable {
    Data data;
    const char* name;      // for the differences
    const char* menuName;  // UTF-8, as the issues name it
};

constexpr DataTable dataTables[] = {
    {Data::Layer, "LayerRow", "地質"},
    {Data::Spt, "SptRow", "Ｎ値"},
    {Data::Observation, "ObservationRow", "記事"},
    {Data::InSitu, "InSituRow", "原位置試験"},
    {Data::Sample, "SampleRow", "試料"},
    {Data::GeologicAge, "GeologicAgeRow", "地質時代"},
    {Data::WaterLevel, "WaterLevelRow", "水位"},
    {Data::Drilling, "DrillingRow", "削孔"},
};

Rows rowsOf(const BoringData& data, Data table)
{
    switch (table) {
    case Data::Layer:
        return occupiedRows(data.layerRows);
    case Data::Spt:
        return occupiedRows(data.sptRows);
    case Data::Observation:
        return occupiedRows(data.observationRows);
    case Data::InSitu:
        return occupiedRows(data.inSituRows);
    case Data::Sample:
        return occupiedRows(data.sampleRows);
    case Data::GeologicAge:
        return occupiedRows(data.geologicAgeRows);
    case Data::WaterLevel:
        return occupiedRows(data.waterLevelRows);
    case Data::Drilling:
        return occupiedRows(data.drillingRows);
    }
    return {};
}

// What the imported store holds for a stored text, when it may hold it
// otherwise than stored.
using Expected = std::string (*)(const std::string& stored);

std::string exact(const std::string& stored)
{
    return stored;
}

bool isWholeNumber(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A bare blow count is over the whole 30 cm of a test or 10 cm of an interval.
std::string blowsOverTest(const std::string& stored)
{
    return stored.empty() || stored.find('/') != std::string::npos ? stored : stored + "/30";
}

std::string blowsOverInterval(const std::string& stored)
{
    return stored.empty() || stored.find('/') != std::string::npos ? stored : stored + "/10";
}

std::string levelWithSign(const std::string& stored)
{
    return formatSignedDepth(parseLeadingNumber(stored));
}

std::string twoDigitMonthAndDay(const std::string& stored)
{
    const std::size_t slash = stored.find('/');
    if (slash == std::string::npos || !isWholeNumber(stored.substr(0, slash))
        || !isWholeNumber(stored.substr(slash + 1)))
        return stored;
    return formatText("%02ld/%02ld", parseLeadingInteger(stored), parseLeadingInteger(stored.substr(slash + 1)));
}

std::string samplingLetter(const std::string& stored)
{
    return samplingMethodCode(stored).empty() ? "A" : stored;
}

std::string crLfLineBreaks(const std::string& stored)
{
    std::string text;
    for (std::size_t pos = 0; pos < stored.size(); ++pos) {
        if (stored[pos] == '\r' || stored[pos] == '\n') {
            text += "\r\n";
            if (stored[pos] == '\r' && pos + 1 < stored.size() && stored[pos + 1] == '\n')
                ++pos;
        } else {
            text += stored[pos];
        }
    }
    return text;
}

struct CarriedCell {
    Data data;
    int cell;
    Expected expected;
    const char* whyItMayDiffer;
};

// The cells of the tables that the exchange file carries. Every other cell
// is listed in formats/XmlWriter.h as not carried.
const CarriedCell carriedCells[] = {
    {Data::Layer, 1, exact, nullptr},
    {Data::Layer, 2, exact, nullptr},
    {Data::Layer, 4, exact, nullptr},
    {Data::Layer, 8, exact, nullptr},
    {Data::Spt, 1, exact, nullptr},
    {Data::Spt, 2, blowsOverTest, "a bare N value comes back as blows over 30 cm"},
    {Data::Spt, 3, blowsOverInterval, "a bare count comes back as blows over 10 cm"},
    {Data::Spt, 4, blowsOverInterval, "a bare count comes back as blows over 10 cm"},
    {Data::Spt, 5, blowsOverInterval, "a bare count comes back as blows over 10 cm"},
    {Data::Observation, 1, exact, nullptr},
    {Data::Observation, 2, exact, nullptr},
    {Data::Observation, 4, crLfLineBreaks, "a lone CR or LF comes back as a CR LF line break"},
    {Data::InSitu, 1, exact, nullptr},
    {Data::InSitu, 2, exact, nullptr},
    {Data::InSitu, 3, exact, nullptr},
    {Data::Sample, 1, exact, nullptr},
    {Data::Sample, 2, exact, nullptr},
    {Data::Sample, 3, exact, nullptr},
    {Data::Sample, 4, samplingLetter, "a method without a code letter comes back as A"},
    {Data::Sample, 5, exact, nullptr},
    {Data::GeologicAge, 1, exact, nullptr},
    {Data::GeologicAge, 2, exact, nullptr},
    {Data::GeologicAge, 3, exact, nullptr},
    {Data::WaterLevel, 1, levelWithSign, "the level comes back written %+.2f"},
    {Data::WaterLevel, 2, twoDigitMonthAndDay, "month and day come back with two digits"},
    {Data::WaterLevel, 3, exact, nullptr},
    {Data::Drilling, 1, exact, nullptr},
    {Data::Drilling, 2, twoDigitMonthAndDay, "month and day come back with two digits"},
};

// Rows the import puts in another order than stored: layers by depth, and
// in-situ tests by depth too, where the file lists the loading tests first
// (the DTD orders that group before the other tests).
Rows inImportOrder(Data table, Rows rows)
{
    const auto byDepth = [](const auto& a, const auto& b) {
        return parseLeadingNumber(a[0]) < parseLeadingNumber(b[0]);
    };
    if (table == Data::InSitu)
        std::stable_partition(rows.begin(), rows.end(), [](const auto& row) { return row[1] == loadingTestName(); });
    if (table == Data::Layer || table == Data::InSitu)
        std::stable_sort(rows.begin(), rows.end(), byDepth);
    return rows;
}

std::string yearOf(const BoringData& data, int yearLine, int eraLine)
{
    const std::optional<int> year = westernYear(data.headingLine(yearLine), data.headingLine(eraLine));
    return year ? formatText("%04d", *year) : data.headingLine(yearLine);
}

std::string twoDigits(const std::string& stored)
{
    return isWholeNumber(stored) ? formatText("%02ld", parseLeadingInteger(stored)) : stored;
}

// The heading lines the file carries and what comes back for them: the years
// of the survey dates as western years, months and days with two digits,
// lines 58 and 59 only as far as line 27 ends with them.
std::map<int, std::string> expectedHeading(const BoringData& data)
{
    std::map<int, std::string> lines;
    for (int line : {1,  2,  3,  4,  5,  13, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26,
                     27, 37, 39, 40, 51, 52, 53, 54, 55, 56, 57, 76, 77, 78, 79})
        lines[line] = data.headingLine(line);
    lines[6] = yearOf(data, 6, 34);
    lines[9] = yearOf(data, 9, 35);
    for (int line : {7, 8, 10, 11})
        lines[line] = twoDigits(data.headingLine(line));
    const std::string lastLevels = data.headingLine(58) + data.headingLine(59);
    const bool split = !lastLevels.empty() && data.headingLine(27).ends_with(lastLevels);
    lines[58] = split ? data.headingLine(58) : "";
    lines[59] = split ? data.headingLine(59) : "";
    return lines;
}

std::set<std::string> reportedPlaces(const XmlExportIssues& issues)
{
    std::set<std::string> places;
    for (const XmlExportIssue& issue : issues)
        places.insert(cp932ToUtf8(issue.table) + " " + std::to_string(issue.row) + "." + std::to_string(issue.cell));
    return places;
}

void compare(std::vector<CellDifference>& differences, std::string place, const std::string& expected,
             const std::string& actual)
{
    if (expected != actual)
        differences.push_back({std::move(place), cp932ToUtf8(expected), cp932ToUtf8(actual)});
}

}  // namespace

BoringData importExported(const XmlExport& exported)
{
    return openExchangeBytes(exported.bytes)->data;
}

std::vector<CellDifference> carriedCellDifferences(const BoringData& original, const BoringData& imported,
                                                   const XmlExportIssues& issues)
{
    std::vector<CellDifference> differences;
    const std::set<std::string> reported = reportedPlaces(issues);
    const std::string headingName = "見出し";
    for (const auto& [line, expected] : expectedHeading(original)) {
        if (!reported.count(headingName + " " + std::to_string(line) + ".0"))
            compare(differences, "heading " + std::to_string(line), expected, imported.headingLine(line));
    }
    for (const DataTable& table : dataTables) {
        const Rows stored = rowsOf(original, table.data);
        const Rows expectedRows = inImportOrder(table.data, stored);
        const Rows actualRows = rowsOf(imported, table.data);
        if (expectedRows.size() != actualRows.size()) {
            differences.push_back({std::string(table.name) + " rows", std::to_string(expectedRows.size()),
                                   std::to_string(actualRows.size())});
            continue;
        }
        for (std::size_t row = 0; row < expectedRows.size(); ++row) {
            // The issues count the rows as stored.
            const auto storedRow = std::find(stored.begin(), stored.end(), expectedRows[row]) - stored.begin() + 1;
            for (const CarriedCell& carried : carriedCells) {
                if (carried.data != table.data
                    || reported.count(table.menuName + (" " + std::to_string(storedRow)) + "."
                                      + std::to_string(carried.cell)))
                    continue;
                const std::size_t index = static_cast<std::size_t>(carried.cell - 1);
                // A cell that may differ says how it was expected to come back.
                std::string place =
                    std::string(table.name) + " " + std::to_string(row + 1) + "." + std::to_string(carried.cell);
                if (carried.whyItMayDiffer)
                    place += std::string(" (") + carried.whyItMayDiffer + ")";
                compare(differences, std::move(place), carried.expected(expectedRows[row][index]),
                        actualRows[row][index]);
            }
        }
    }
    return differences;
}

std::vector<CellDifference> savedCellDifferences(const BoringData& first, const BoringData& second)
{
    std::vector<CellDifference> differences;
    for (int line = 1; line <= headingLineCount; ++line)
        compare(differences, "heading " + std::to_string(line), first.headingLine(line), second.headingLine(line));
    for (const DataTable& table : dataTables) {
        const Rows firstRows = rowsOf(first, table.data);
        const Rows secondRows = rowsOf(second, table.data);
        for (std::size_t row = 0; row < std::max(firstRows.size(), secondRows.size()); ++row) {
            const std::size_t cells = table.data == Data::Layer
                ? layerSavedCells
                : std::max(row < firstRows.size() ? firstRows[row].size() : 0,
                           row < secondRows.size() ? secondRows[row].size() : 0);
            for (std::size_t cell = 0; cell < cells; ++cell) {
                compare(differences,
                        std::string(table.name) + " " + std::to_string(row + 1) + "." + std::to_string(cell + 1),
                        row < firstRows.size() ? firstRows[row][cell] : "<no row>",
                        row < secondRows.size() ? secondRows[row][cell] : "<no row>");
            }
        }
    }
    return differences;
}

std::string describe(const std::vector<CellDifference>& differences)
{
    std::string text;
    for (const CellDifference& difference : differences)
        text += difference.place + ": expected \"" + difference.expected + "\", got \"" + difference.actual + "\"\n";
    return text;
}

namespace {

std::string dtdFolder()
{
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpusDir())) {
        std::string name = entry.path().filename().string();
        std::transform(name.begin(), name.end(), name.begin(), ::toupper);
        if (name == "BED0400.DTD")
            return entry.path().parent_path().string();
    }
    return {};
}

std::string commandOutput(const std::string& command, int& status)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        status = -1;
        return output;
    }
    std::array<char, 4096> buffer{};
    while (std::size_t read = std::fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), read);
    status = pclose(pipe);
    return output;
}

}  // namespace

bool xmllintAvailable()
{
    int status = 0;
    commandOutput("xmllint --version 2>&1", status);
    return status == 0;
}

std::string validityErrors(const std::string& bytes)
{
    static const std::string folder = dtdFolder();
    if (folder.empty())
        return "no BED0400.DTD in the corpus";
    TemporaryFolder temporary;
    const std::string path = temporary.file("BED0001.XML");
    writeFile(path, bytes);
    int status = 0;
    const std::string output =
        commandOutput("xmllint --noout --valid --path '" + folder + "' '" + path + "' 2>&1", status);
    return status == 0 && output.empty() ? std::string() : output + "(xmllint status " + std::to_string(status) + ")";
}

}  // namespace kolv::test
