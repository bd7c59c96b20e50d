#include "formats/DeliveryFolder.h"

#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace kolv {

namespace {

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string trimmed(const std::string& text)
{
    const auto blank = [](unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && blank(static_cast<unsigned char>(text[first])))
        ++first;
    while (last > first && blank(static_cast<unsigned char>(text[last - 1])))
        --last;
    return text.substr(first, last - first);
}

// The whole text as one number ("23.8800", "-1.5"); empty for anything else.
std::optional<double> numberOf(const std::string& text)
{
    const std::string number = trimmed(text);
    const char* begin = number.data() + (!number.empty() && number.front() == '+' ? 1 : 0);
    const char* end = number.data() + number.size();
    double value = 0.0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (begin == end || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string nameOf(const xmlNode* node)
{
    return reinterpret_cast<const char*>(node->name);
}

std::string contentOf(const xmlNode* node)
{
    xmlChar* content = xmlNodeGetContent(node);
    std::string text = content ? reinterpret_cast<const char*>(content) : "";
    xmlFree(content);
    return trimmed(text);
}

// The text of the first descendant element called name; empty when absent.
std::string descendantText(const xmlNode* parent, const std::string& name)
{
    for (const xmlNode* child = parent->children; child; child = child->next) {
        if (child->type != XML_ELEMENT_NODE)
            continue;
        if (nameOf(child) == name)
            return contentOf(child);
        const std::string text = descendantText(child, name);
        if (!text.empty())
            return text;
    }
    return {};
}

SexagesimalAngle angleOf(const xmlNode* entry, const std::string& prefix)
{
    return {descendantText(entry, prefix + "_度"), descendantText(entry, prefix + "_分"),
            descendantText(entry, prefix + "_秒")};
}

void checkAngle(const SexagesimalAngle& angle, double limit, const char* what, std::vector<std::string>& problems)
{
    if (angle.isEmpty())
        problems.push_back(std::string("no ") + what);
    else if (!angle.decimal(limit))
        problems.push_back(std::string("the ") + what + " " + angle.text()
                           + " is no angle in degrees, minutes and seconds");
}

void checkNumber(const std::string& text, const char* what, std::vector<std::string>& problems)
{
    if (text.empty())
        problems.push_back(std::string("no ") + what);
    else if (!numberOf(text))
        problems.push_back(std::string("the ") + what + " \"" + text + "\" is no number");
}

DeliveryBorehole boreholeOf(const xmlNode* entry, const std::string& dataFolder)
{
    DeliveryBorehole borehole;
    borehole.name = descendantText(entry, "ボーリング名");
    borehole.serial = descendantText(entry, "ボーリング連番");
    borehole.longitude = angleOf(entry, "経度");
    borehole.latitude = angleOf(entry, "緯度");
    borehole.datumCode = descendantText(entry, "測地系");
    borehole.elevationText = descendantText(entry, "孔口標高");
    borehole.drilledLengthText = descendantText(entry, "掘進長");
    if (borehole.drilledLengthText.empty())
        borehole.drilledLengthText = descendantText(entry, "総削孔長");
    if (borehole.drilledLengthText.empty())
        borehole.drilledLengthText = descendantText(entry, "総掘進長");
    borehole.logKind = descendantText(entry, "柱状図区分");
    borehole.exchangeFileName = descendantText(entry, "ボーリング交換用データファイル名");
    borehole.logFileName = descendantText(entry, "電子柱状図ファイル名");
    borehole.simplifiedLogFileName = descendantText(entry, "電子簡略柱状図ファイル名");

    std::vector<std::string>& problems = borehole.problems;
    checkAngle(borehole.longitude, largestLongitude, "longitude", problems);
    checkAngle(borehole.latitude, largestLatitude, "latitude", problems);
    if (borehole.datum() == GeodeticDatum::Unknown)
        problems.push_back("the geodetic datum \"" + borehole.datumCode + "\" is not one of 0, 1 and 2");
    checkNumber(borehole.elevationText, "collar elevation", problems);
    checkNumber(borehole.drilledLengthText, "drilled length", problems);
    if (borehole.exchangeFileName.empty()) {
        problems.push_back("no exchange file named");
    } else if (!isPlainFileName(borehole.exchangeFileName)) {
        problems.push_back("the exchange file name \"" + borehole.exchangeFileName + "\" leads out of "
                           + deliveryDataFolderName + "/");
    } else {
        borehole.exchangeFilePath = findEntryIgnoringCase(dataFolder, borehole.exchangeFileName);
        if (borehole.exchangeFilePath.empty() || !fileExists(borehole.exchangeFilePath)) {
            borehole.exchangeFilePath.clear();
            problems.push_back("the exchange file " + std::string(deliveryDataFolderName) + "/"
                               + borehole.exchangeFileName + " is missing");
        }
    }
    if (borehole.logFileName.empty())
        problems.push_back("no electronic log named");
    else if (!isPlainFileName(borehole.logFileName))
        problems.push_back("the log file name \"" + borehole.logFileName + "\" leads out of " + deliveryLogFolderName
                           + "/");
    return borehole;
}

struct DocumentDeleter {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};

}  // namespace

GeodeticDatum geodeticDatumOfCode(const std::string& code)
{
    const std::string text = trimmed(code);
    if (text.empty() || text.size() > 2
        || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return GeodeticDatum::Unknown;
    switch (std::stoi(text)) {
    case 0:
        return GeodeticDatum::Tokyo;
    case 1:
        return GeodeticDatum::Jgd2000;
    case 2:
        return GeodeticDatum::Jgd2011;
    default:
        return GeodeticDatum::Unknown;
    }
}

const char* geodeticDatumName(GeodeticDatum datum)
{
    switch (datum) {
    case GeodeticDatum::Tokyo:
        return "Tokyo";
    case GeodeticDatum::Jgd2000:
        return "JGD2000";
    case GeodeticDatum::Jgd2011:
        return "JGD2011";
    case GeodeticDatum::Unknown:
        break;
    }
    return "unknown";
}

std::optional<double> SexagesimalAngle::decimal(double limit) const
{
    const std::optional<double> wholeDegrees = numberOf(degrees);
    const std::optional<double> wholeMinutes = numberOf(minutes);
    const std::optional<double> wholeSeconds = numberOf(seconds);
    if (!wholeDegrees || !wholeMinutes || !wholeSeconds)
        return std::nullopt;
    if (*wholeDegrees < 0 || *wholeMinutes < 0 || *wholeMinutes >= 60 || *wholeSeconds < 0 || *wholeSeconds >= 60)
        return std::nullopt;
    const double value = *wholeDegrees + *wholeMinutes / 60.0 + *wholeSeconds / 3600.0;
    if (value > limit)
        return std::nullopt;
    return value;
}

std::string SexagesimalAngle::text() const
{
    if (isEmpty())
        return {};
    return degrees + "°" + minutes + "'" + seconds + "\"";
}

std::optional<double> DeliveryBorehole::elevation() const
{
    return numberOf(elevationText);
}

std::optional<double> DeliveryBorehole::drilledLength() const
{
    return numberOf(drilledLengthText);
}

bool isDeliveryManagementText(const std::string& bytes)
{
    // The root element follows the declaration, the document type and a
    // style-sheet instruction: it lies within the first few hundred bytes.
    const std::string head = bytes.substr(0, 4096);
    for (std::size_t at = head.find("<BORING"); at != std::string::npos; at = head.find("<BORING", at + 1)) {
        const char next = at + 7 < head.size() ? head[at + 7] : '\0';
        if (next == ' ' || next == '>' || next == '\t' || next == '\r' || next == '\n')
            return true;
    }
    return false;
}

bool isPlainFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\:") == std::string::npos;
}

std::string findEntryIgnoringCase(const std::string& folder, const std::string& name)
{
    if (name.empty() || folder.empty())
        return {};
    const std::filesystem::path exact = std::filesystem::path(folder) / name;
    std::error_code error;
    if (std::filesystem::exists(exact, error))
        return exact.string();
    const std::string wanted = lowerCase(name);
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
        if (lowerCase(entry->path().filename().string()) == wanted)
            return entry->path().string();
    return {};
}

DeliveryReadStatus readDeliveryFolder(const std::string& path, DeliveryFolder& delivery, std::string& error)
{
    delivery = {};
    std::string managementFile = path;
    if (directoryExists(path)) {
        managementFile = findEntryIgnoringCase(path, deliveryManagementFileName);
        if (managementFile.empty()) {
            error = "the folder " + path + " holds no " + deliveryManagementFileName
                + " (the folder management file of an electronic delivery)";
            return DeliveryReadStatus::NoManagementFile;
        }
    }
    std::string bytes;
    if (!readFileBytes(managementFile, bytes)) {
        error = "cannot read " + managementFile;
        return DeliveryReadStatus::NoManagementFile;
    }
    if (!isDeliveryManagementText(bytes)) {
        error = managementFile + " is no folder management file (its root element is not BORING)";
        return DeliveryReadStatus::NotManagementFile;
    }
    // Collections convert deliveries to UTF-8 and do not always mend the
    // declaration; bytes that are UTF-8 are read as such.
    const char* encoding = looksLikeUtf8(bytes) ? "UTF-8" : nullptr;
    int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    if (encoding)
        options |= XML_PARSE_IGNORE_ENC;
    const std::unique_ptr<xmlDoc, DocumentDeleter> document(
        xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), managementFile.c_str(), encoding, options));
    const xmlNode* root = document ? xmlDocGetRootElement(document.get()) : nullptr;
    if (!root) {
        const xmlError* last = xmlGetLastError();
        error = managementFile + " is not well-formed XML"
            + (last && last->message ? ": line " + std::to_string(last->line) + ": " + trimmed(last->message) : "");
        return DeliveryReadStatus::NotWellFormed;
    }
    if (nameOf(root) != "BORING") {
        error = managementFile + " is no folder management file (its root element is not BORING)";
        return DeliveryReadStatus::NotManagementFile;
    }
    delivery.managementFilePath = managementFile;
    delivery.folder = std::filesystem::path(managementFile).parent_path().string();
    if (delivery.folder.empty())
        delivery.folder = ".";
    if (xmlChar* version = xmlGetProp(root, reinterpret_cast<const xmlChar*>("DTD_version"))) {
        delivery.dtdVersion = trimmed(reinterpret_cast<const char*>(version));
        xmlFree(version);
    }
    if (const xmlDtd* dtd = document->intSubset; dtd && dtd->SystemID)
        delivery.dtdFileName = reinterpret_cast<const char*>(dtd->SystemID);
    const std::string dataFolder = findEntryIgnoringCase(delivery.folder, deliveryDataFolderName);
    for (const xmlNode* child = root->children; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE && nameOf(child) == "ボーリング情報")
            delivery.boreholes.push_back(boreholeOf(child, dataFolder));
    return DeliveryReadStatus::Read;
}

}  // namespace kolv
