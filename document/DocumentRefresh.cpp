#include "document/DocumentRefresh.h"

#include "data/Cp932Text.h"
#include "data/Number.h"
#include "formats/SoilPatternLookup.h"
#include "platform/Cp932Codec.h"
#include "render/LogFrame.h"
#include "settings/SettingsStore.h"

namespace kolv {

namespace {

constexpr int printStartDepthOption = 16;
constexpr int quFullScaleOption = 23;
constexpr int firstRoleCaptionLine = 41;
constexpr int roleCaptionCount = 4;
// Entries 8 to 11 of the title-block captions are the role captions' defaults.
constexpr int firstRoleCaptionEntry = 8;
constexpr int titleLine = 70;

void fillDefaultCaptions(BoringData& data)
{
    for (int role = 0; role < roleCaptionCount; ++role)
        if (!skipLeadingBlanks(data.headingLine(firstRoleCaptionLine + role)).empty())
            return;
    for (int role = 0; role < roleCaptionCount; ++role)
        data.setHeadingLine(firstRoleCaptionLine + role, utf8ToCp932(titleCaptions[firstRoleCaptionEntry - 1 + role]));
    data.setHeadingLine(titleLine, defaultLogTitle());
}

}  // namespace

void applyDocumentChange(BoringData& data, LogSettings& settings, ViewState& view, Issues& issues,
                         const std::optional<PaperSize>& paper)
{
    loadSettings(settings, data, false, issues);
    rebuildVectorCodes(data, settings.soilNameMaster);
    applyPrinterPaper(settings, view, freeNotesHeight(data), paper);
    settings.printStartDepth = 0.0;
    view.screenPageStart = 0.0;
    view.currentPage = 1;
    const std::string& storedStart = data.documentOption(printStartDepthOption).value;
    if (isNumericText(storedStart) > 0) {
        settings.printStartDepth = clampPrintStartDepth(parseLeadingNumber(storedStart));
        view.screenPageStart = settings.printStartDepth;
    }
    fillDefaultCaptions(data);
    if (parseLeadingInteger(data.documentOption(quFullScaleOption).value) <= 0)
        data.documentOption(quFullScaleOption).value = "500";
}

}  // namespace kolv
