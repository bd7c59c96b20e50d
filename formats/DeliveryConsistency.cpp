#include "formats/DeliveryConsistency.h"

#include "data/Fields.h"
#include "data/Number.h"
#include "platform/Cp932Codec.h"

#include <cmath>
#include <cstdio>
#include <optional>

namespace kolv {

namespace {

// A hundredth of a second of arc (about 30 cm): the files write four
// decimals of a second, or two.
constexpr double angleTolerance = 0.01 / 3600.0;
// Elevations and lengths are written to the centimetre.
constexpr double metreTolerance = 0.005;

std::string trimmed(std::string text)
{
    const char* blanks = " \t\r\n";
    text.erase(0, text.find_first_not_of(blanks));
    text.erase(text.find_last_not_of(blanks) + 1);
    return text;
}

std::optional<double> metresOf(const std::string& text)
{
    const std::string value = trimmed(text);
    if (value.empty() || value.find_first_not_of("+-.0123456789") != std::string::npos)
        return std::nullopt;
    return parseLeadingNumber(value);
}

void compareAngle(const char* what, const SexagesimalAngle& entry, const SexagesimalAngle& file, double limit,
                  std::vector<std::string>& differences)
{
    const std::optional<double> expected = entry.decimal(limit);
    if (!expected)
        return;
    const std::optional<double> found = file.decimal(limit);
    if (!found)
        differences.push_back(std::string("the exchange file gives no ") + what + " (BORING.XML: " + entry.text()
                              + ")");
    else if (std::fabs(*found - *expected) > angleTolerance)
        differences.push_back(std::string("the ") + what + " differs: " + file.text() + " in the exchange file, "
                              + entry.text() + " in BORING.XML");
}

void compareMetres(const char* what, const std::string& entryText, const std::string& fileText,
                   std::vector<std::string>& differences)
{
    const std::optional<double> expected = metresOf(entryText);
    if (!expected)
        return;
    const std::optional<double> found = metresOf(fileText);
    if (!found)
        differences.push_back(std::string("the exchange file gives no ") + what + " (BORING.XML: " + entryText + " m)");
    else if (std::fabs(*found - *expected) > metreTolerance)
        differences.push_back(std::string("the ") + what + " differs: " + trimmed(fileText)
                              + " m in the exchange file, " + entryText + " m in BORING.XML");
}

}  // namespace

SexagesimalAngle documentLongitude(const BoringData& data)
{
    return {trimmed(data.headingLine(HeadingLine::LongitudeDegrees)),
            trimmed(data.headingLine(HeadingLine::LongitudeMinutes)),
            trimmed(data.headingLine(HeadingLine::LongitudeSeconds))};
}

SexagesimalAngle documentLatitude(const BoringData& data)
{
    return {trimmed(data.headingLine(HeadingLine::LatitudeDegrees)),
            trimmed(data.headingLine(HeadingLine::LatitudeMinutes)),
            trimmed(data.headingLine(HeadingLine::LatitudeSeconds))};
}

std::vector<std::string> compareWithEntry(const DeliveryBorehole& entry, const BoringData& data)
{
    std::vector<std::string> differences;
    const std::string name = trimmed(cp932ToUtf8(data.headingLine(HeadingLine::BoringName)));
    if (!entry.name.empty() && name != entry.name)
        differences.push_back("the borehole name differs: \"" + name + "\" in the exchange file, \"" + entry.name
                              + "\" in BORING.XML");
    compareAngle("longitude", entry.longitude, documentLongitude(data), largestLongitude, differences);
    compareAngle("latitude", entry.latitude, documentLatitude(data), largestLatitude, differences);
    compareMetres("collar elevation", entry.elevationText, data.headingLine(HeadingLine::CollarElevation), differences);
    compareMetres("drilled length", entry.drilledLengthText, data.headingLine(HeadingLine::FinalDepth), differences);
    return differences;
}

}  // namespace kolv
