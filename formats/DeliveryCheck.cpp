#include "formats/DeliveryCheck.h"

#include "data/Cp932Text.h"
#include "data/Fields.h"
#include "data/FullWidthCheck.h"
#include "data/Number.h"
#include "formats/DeliveryConsistency.h"
#include "formats/OpenDocument.h"
#include "formats/XmlValidation.h"
#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <set>

namespace kolv {

namespace {

// Japan from Okinotorishima to Etorofu and from Yonaguni to Minamitorishima.
constexpr double southernmostLatitude = 20.0;
constexpr double northernmostLatitude = 46.0;
constexpr double westernmostLongitude = 122.0;
constexpr double easternmostLongitude = 154.0;
// The deepest a collar lies in a harbour and the highest on land, in metres.
constexpr double lowestElevation = -100.0;
constexpr double highestElevation = 4000.0;
// A penetration test drives at most 50 cm in its main run (30 cm) plus
// the last interval and is stopped after a few hundred blows.
constexpr double largestPenetrationCm = 100.0;
constexpr double largestBlowCount = 1000.0;
constexpr double depthTolerance = 0.005;

std::string metres(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f m", value);
    return text;
}

bool isNumber(const std::string& text)
{
    const std::string_view value = skipLeadingBlanks(text);
    return !value.empty() && value.find_first_not_of("+-.0123456789 ") == std::string_view::npos
        && value.find_first_of("0123456789") != std::string_view::npos;
}

void checkPosition(const BoringData& data, std::vector<std::string>& problems)
{
    const SexagesimalAngle latitude = documentLatitude(data);
    const SexagesimalAngle longitude = documentLongitude(data);
    if (latitude.isEmpty() && longitude.isEmpty()) {
        problems.push_back("no position (latitude and longitude)");
        return;
    }
    const std::optional<double> north = latitude.decimal(largestLatitude);
    const std::optional<double> east = longitude.decimal(largestLongitude);
    if (!north)
        problems.push_back("the latitude " + latitude.text() + " is no angle in degrees, minutes and seconds");
    if (!east)
        problems.push_back("the longitude " + longitude.text() + " is no angle in degrees, minutes and seconds");
    if (north && east
        && (*north < southernmostLatitude || *north > northernmostLatitude || *east < westernmostLongitude
            || *east > easternmostLongitude))
        problems.push_back("the position " + latitude.text() + " N " + longitude.text() + " E lies outside Japan");
}

// The blows and the centimetres of an "N/cm" cell; false when it is not one.
bool blowsAndPenetration(const std::string& cell, double& blows, double& centimetres)
{
    const std::size_t slash = cell.find('/');
    if (slash == std::string::npos)
        return false;
    const std::string left = cell.substr(0, slash);
    const std::string right = cell.substr(slash + 1);
    if (!isNumber(left) || !isNumber(right))
        return false;
    blows = parseLeadingNumber(left);
    centimetres = parseLeadingNumber(right);
    return true;
}

}  // namespace

std::vector<std::string> valueProblems(const BoringData& data)
{
    std::vector<std::string> problems;
    checkPosition(data, problems);

    const std::string& elevationText = data.headingLine(HeadingLine::CollarElevation);
    if (isNumber(elevationText)) {
        const double elevation = parseLeadingNumber(elevationText);
        if (elevation < lowestElevation || elevation > highestElevation)
            problems.push_back("the collar elevation " + metres(elevation) + " is out of range");
    }
    const std::string& lengthText = data.headingLine(HeadingLine::FinalDepth);
    const bool hasLength = isNumber(lengthText) && parseLeadingNumber(lengthText) > 0;
    const double length = hasLength ? parseLeadingNumber(lengthText) : 0.0;
    if (!hasLength)
        problems.push_back("no drilled length");

    const int layers = occupiedRowCount(data.layerRows);
    double previous = 0.0;
    for (int row = 1; row <= layers; ++row) {
        const double depth = depthOf(data.layerRows.cell(row, LayerCell::LowerDepth));
        if (depth <= 0.0)
            problems.push_back("layer " + std::to_string(row) + " ends at " + metres(depth) + ", not below the collar");
        else if (depthsEqual(depth, previous))
            problems.push_back("two layers end at " + metres(depth));
        previous = depth;
    }
    if (hasLength && layers > 0 && previous > length + depthTolerance)
        problems.push_back("the last layer ends at " + metres(previous) + ", below the drilled length "
                           + metres(length));

    const int tests = occupiedRowCount(data.sptRows);
    for (int row = 1; row <= tests; ++row) {
        const double depth = depthOf(data.sptRows.cell(row, SptCell::Depth));
        const std::string at = "the penetration test at " + metres(depth);
        if (depth < 0.0 || (hasLength && depth > length + depthTolerance))
            problems.push_back(at + " lies outside the borehole (0 to " + metres(length) + ")");
        double blows = 0.0;
        double centimetres = 0.0;
        if (blowsAndPenetration(data.sptRows.cell(row, SptCell::NValue), blows, centimetres)
            && (blows < 0.0 || blows > largestBlowCount || centimetres < 0.0 || centimetres > largestPenetrationCm))
            problems.push_back(at + " gives " + cp932ToUtf8(data.sptRows.cell(row, SptCell::NValue))
                               + " (blows/cm) out of range");
    }

    const int levels = occupiedRowCount(data.waterLevelRows);
    for (int row = 1; row <= levels; ++row) {
        // Levels below the collar are kept as negative numbers.
        const double level = -depthOf(data.waterLevelRows.cell(row, WaterLevelCell::Level));
        if (hasLength && level > length + depthTolerance)
            problems.push_back("the water level at " + metres(level) + " lies below the drilled length "
                               + metres(length));
    }
    return problems;
}

std::vector<std::string> fullWidthProblems(const BoringData& data)
{
    const std::string report = fullWidthCheckReport(data);
    std::vector<std::string> problems;
    if (report == utf8ToCp932("無し"))
        return problems;
    std::string group;
    for (const std::string& line : splitLines(report)) {
        std::string text = cp932ToUtf8(line);
        text.erase(text.find_last_not_of(' ') + 1);
        if (text.rfind("▼", 0) == 0)
            group = text.substr(std::string("▼").size());
        else if (!text.empty())
            problems.push_back("full-width letters or digits in " + group + ": " + text);
    }
    return problems;
}

std::vector<DeliveryFinding> checkDelivery(const DeliveryFolder& delivery, const SoilNameMaster& master)
{
    std::vector<DeliveryFinding> findings;
    const auto add = [&findings](const std::string& file, const std::string& text) {
        findings.push_back({file, text});
    };
    const auto validate = [&add](const std::string& path) {
        const XmlValidation validation = validateXmlFile(path);
        if (!validation.encodingProblem.empty())
            add(path, validation.encodingProblem);
        if (!validation.wellFormed)
            add(path, "not well-formed XML");
        else if (!validation.dtdFound)
            add(path,
                validation.dtdName.empty() ? "names no DTD"
                                           : "the DTD " + validation.dtdName + " is not in the delivery");
        else if (!validation.valid)
            add(path, "not valid against " + validation.dtdName);
        for (const std::string& error : validation.errors)
            add(path, error);
    };

    validate(delivery.managementFilePath);
    std::set<std::string> namedExchangeFiles;
    std::set<std::string> namedLogs;
    const auto lower = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return text;
    };
    for (const DeliveryBorehole& borehole : delivery.boreholes) {
        namedExchangeFiles.insert(lower(borehole.exchangeFileName));
        namedLogs.insert(lower(borehole.logFileName));
        // What BORING.XML says wrong of a borehole is told of BORING.XML.
        for (const std::string& problem : borehole.problems)
            add(delivery.managementFilePath + " (" + borehole.name + ")", problem);
        if (borehole.exchangeFilePath.empty())
            continue;
        validate(borehole.exchangeFilePath);
        BoringData data;
        Issues issues;
        if (openDocumentFile(borehole.exchangeFilePath, data, master, issues) != OpenStatus::Opened) {
            add(borehole.exchangeFilePath, "not an exchange file the log can be drawn from");
            continue;
        }
        for (const std::string& difference : compareWithEntry(borehole, data))
            add(borehole.exchangeFilePath, difference);
        for (const std::string& problem : valueProblems(data))
            add(borehole.exchangeFilePath, problem);
        for (const std::string& problem : fullWidthProblems(data))
            add(borehole.exchangeFilePath, problem);
    }

    // Files that are there but that BORING.XML does not name.
    const auto unnamed = [&](const char* folderName, const std::string& extension, const std::set<std::string>& named,
                             const char* what) {
        const std::string folder = findEntryIgnoringCase(delivery.folder, folderName);
        if (folder.empty())
            return;
        std::vector<std::string> paths;
        std::error_code error;
        for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
             entry.increment(error)) {
            const std::string name = entry->path().filename().string();
            if (lower(entry->path().extension().string()) == extension && !named.count(lower(name)))
                paths.push_back(entry->path().string());
        }
        std::sort(paths.begin(), paths.end());
        for (const std::string& path : paths)
            add(path, std::string(what) + " that BORING.XML does not name");
    };
    unnamed(deliveryDataFolderName, ".xml", namedExchangeFiles, "an exchange file");
    unnamed(deliveryLogFolderName, ".pdf", namedLogs, "a log");
    return findings;
}

}  // namespace kolv
