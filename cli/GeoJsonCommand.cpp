#include "cli/GeoJsonCommand.h"

#include "cli/CommandDocument.h"
#include "cli/FileCommand.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "formats/DeliveryConsistency.h"
#include "formats/DeliveryFolder.h"
#include "formats/ExchangeFileFacts.h"
#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"
#include "render/LogMapping.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <optional>

namespace kolv {

namespace {

// Decimal degrees to a tenth of a metre or so.
double rounded(double degrees)
{
    return std::round(degrees * 1e7) / 1e7;
}

// Positions in the old Tokyo datum are moved to the world datum (JGD2000,
// which GIS treat as WGS 84) by the usual approximation, good to a few
// metres within Japan.
std::pair<double, double> worldPosition(double longitude, double latitude, GeodeticDatum datum)
{
    if (datum != GeodeticDatum::Tokyo)
        return {longitude, latitude};
    const double worldLatitude = latitude - 0.00010695 * latitude + 0.000017464 * longitude + 0.0046017;
    const double worldLongitude = longitude - 0.000046038 * latitude - 0.000083043 * longitude + 0.010040;
    return {worldLongitude, worldLatitude};
}

std::optional<double> numberOf(const std::string& text)
{
    const std::string_view value(text);
    if (value.find_first_of("0123456789") == std::string_view::npos
        || value.find_first_not_of(" +-.0123456789") != std::string_view::npos)
        return std::nullopt;
    return parseLeadingNumber(text);
}

QJsonValue jsonNumber(const std::optional<double>& value)
{
    return value ? QJsonValue(std::round(*value * 1000.0) / 1000.0) : QJsonValue(QJsonValue::Null);
}

QJsonObject pointFeature(double longitude, double latitude, GeodeticDatum datum, QJsonObject properties)
{
    const auto [east, north] = worldPosition(longitude, latitude, datum);
    properties.insert("datum", geodeticDatumName(datum));
    if (datum == GeodeticDatum::Tokyo)
        properties.insert("datum_converted", "approximately from the Tokyo datum");
    QJsonObject geometry{{"type", "Point"}, {"coordinates", QJsonArray{rounded(east), rounded(north)}}};
    return QJsonObject{{"type", "Feature"}, {"geometry", geometry}, {"properties", properties}};
}

struct Collector {
    const CommandSession& session;
    QJsonArray features;
    int exitCode = ExitCode::Success;

    void fail(int code)
    {
        if (exitCode == ExitCode::Success)
            exitCode = code;
    }

    // The feature of one exchange file; entry adds what BORING.XML says.
    void addExchangeFile(const std::string& path, const DeliveryBorehole* entry)
    {
        FileReport report(path, true);
        LogSettings settings = session.settings;
        BoringData data;
        ViewState view;
        const int opened = openCommandFile(session, path, settings, data, view, paperDefaultsOf(settings), report);
        if (opened != ExitCode::Success) {
            fail(opened);
            return;
        }
        const ExchangeFileFacts facts = readExchangeFileFacts(path);
        const std::optional<double> longitude = documentLongitude(data).decimal(largestLongitude);
        const std::optional<double> latitude = documentLatitude(data).decimal(largestLatitude);
        if (!longitude || !latitude) {
            report.warn("no position in degrees, minutes and seconds: left off the map");
            return;
        }
        QJsonObject properties;
        properties.insert("name", QString::fromStdString(cp932ToUtf8(data.headingLine(HeadingLine::BoringName))));
        properties.insert("elevation", jsonNumber(numberOf(data.headingLine(HeadingLine::CollarElevation))));
        std::optional<double> depth = numberOf(data.headingLine(HeadingLine::FinalDepth));
        if (!depth && maximumDepth(data) > 0)
            depth = maximumDepth(data);
        properties.insert("depth", jsonNumber(depth));
        // The store keeps levels below the collar as negative numbers; the
        // map shows the depth of the water as the file gives it.
        std::optional<double> waterLevel;
        if (occupiedRowCount(data.waterLevelRows) > 0)
            waterLevel = -depthOf(data.waterLevelRows.cell(1, WaterLevelCell::Level));
        properties.insert("water_level", jsonNumber(waterLevel));
        properties.insert("dtd_version", QString::fromStdString(facts.dtdVersion));
        properties.insert("path", QString::fromStdString(path));
        if (entry) {
            properties.insert("serial", QString::fromStdString(entry->serial));
            properties.insert("log_file", QString::fromStdString(entry->logFileName));
        }
        features.append(pointFeature(*longitude, *latitude, geodeticDatumOfCode(facts.datumCode), properties));
    }

    // A borehole of BORING.XML whose exchange file is missing is placed
    // where BORING.XML says.
    void addEntry(const DeliveryFolder& delivery, const DeliveryBorehole& entry)
    {
        FileReport report(delivery.managementFilePath, true);
        for (const std::string& problem : entry.problems)
            report.warn(entry.name + ": " + problem);
        if (!entry.longitudeDegrees() || !entry.latitudeDegrees())
            return;
        QJsonObject properties{{"name", QString::fromStdString(entry.name)},
                               {"elevation", jsonNumber(entry.elevation())},
                               {"depth", jsonNumber(entry.drilledLength())},
                               {"water_level", QJsonValue(QJsonValue::Null)},
                               {"dtd_version", QJsonValue(QJsonValue::Null)},
                               {"path", QString::fromStdString(delivery.managementFilePath)},
                               {"serial", QString::fromStdString(entry.serial)},
                               {"log_file", QString::fromStdString(entry.logFileName)}};
        features.append(pointFeature(*entry.longitudeDegrees(), *entry.latitudeDegrees(), entry.datum(), properties));
    }

    void addPath(const std::string& path)
    {
        const bool folder = directoryExists(path);
        std::string bytes;
        if (!folder && !readFileBytes(path, bytes)) {
            FileReport(path, true).error(readFailureReason(path));
            fail(ExitCode::CannotOpen);
            return;
        }
        if (!folder && !isDeliveryManagementText(bytes)) {
            addExchangeFile(path, nullptr);
            return;
        }
        DeliveryFolder delivery;
        std::string error;
        const DeliveryReadStatus status = readDeliveryFolder(path, delivery, error);
        if (status != DeliveryReadStatus::Read) {
            std::cerr << "kolv-cli: " << error << std::endl;
            fail(status == DeliveryReadStatus::NoManagementFile ? ExitCode::CannotOpen : ExitCode::NotRecognised);
            return;
        }
        for (const DeliveryBorehole& entry : delivery.boreholes) {
            if (entry.exchangeFilePath.empty())
                addEntry(delivery, entry);
            else
                addExchangeFile(entry.exchangeFilePath, &entry);
        }
    }
};

}  // namespace

int runGeoJsonCommand(const std::vector<std::string>& arguments)
{
    CommandArguments parsed;
    std::string error;
    if (!parseCommandArguments(arguments, {outputOption, installDirOption}, {}, parsed, error))
        return usageError(error, "geojson");
    if (parsed.files.empty())
        return usageError("no FILE given", "geojson");
    if (!parsed.has(outputOption) || parsed.value(outputOption).empty())
        return usageError("geojson needs -o OUT.geojson", "geojson");
    CommandSession session;
    StderrPrompter prompter;
    const int loaded = loadCommandSession(parsed, session, prompter);
    if (loaded != ExitCode::Success)
        return loaded;
    Collector collector{session, {}, ExitCode::Success};
    for (const std::string& path : parsed.files)
        collector.addPath(path);
    const QJsonObject collection{{"type", "FeatureCollection"}, {"features", collector.features}};
    const QByteArray json = QJsonDocument(collection).toJson(QJsonDocument::Indented);
    const std::string output = parsed.value(outputOption);
    if (!writeFileAtomically(output, std::string_view(json.constData(), static_cast<std::size_t>(json.size())))) {
        std::cerr << "kolv-cli: cannot write " << output << ": " << writeFailureReason(output) << std::endl;
        return ExitCode::CannotWrite;
    }
    std::cout << output << std::endl;
    std::cerr << "kolv-cli: " << collector.features.size() << " boreholes mapped" << std::endl;
    return collector.exitCode;
}

}  // namespace kolv
