#include "formats/XmlCodeTables.h"

#include "data/BoringData.h"
#include "data/Number.h"
#include "platform/Cp932Codec.h"

namespace kolv {

namespace {

struct SamplingMethod {
    long code;
    const char* letter;
};

constexpr SamplingMethod samplingMethods[] = {
    {100, "-"},
    {250, "T"},
    {300, "D"},
    {507, "F"},
};

constexpr const char* otherSamplingMethodLetter = "A";
constexpr const char* otherSamplingMethodCode = "999";

}  // namespace

std::string samplingMethodLetter(std::string_view code)
{
    const long value = isNumericText(code) > 0 ? parseLeadingInteger(code) : 0;
    for (const SamplingMethod& method : samplingMethods) {
        if (method.code == value)
            return method.letter;
    }
    return otherSamplingMethodLetter;
}

std::string samplingMethodCode(std::string_view letter)
{
    for (const SamplingMethod& method : samplingMethods) {
        if (letter == method.letter)
            return formatText("%ld", method.code);
    }
    return letter == otherSamplingMethodLetter ? otherSamplingMethodCode : "";
}

const std::string& loadingTestName()
{
    static const std::string name = utf8ToCp932("孔内載荷試験");
    return name;
}

}  // namespace kolv
