#include "document/DocumentRefresh.h"

#include "data/Cp932Text.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "formats/SoilPatternLookup.h"
#include "platform/Cp932Codec.h"
#include "render/LogFrame.h"
#include "settings/SettingsStore.h"

namespace kolv {

namespace {

// Entries 8 to 11 of the title-block captions are the role captions' defaults.
constexpr int firstRoleCaptionEntry = 8;

void fillDefaultCaptions(BoringData& data)
{
    for (int role = 0; role < HeadingLine::RoleCount; ++role)
        if (!skipLeadingBlanks(data.headingLine(HeadingLine::FirstRoleCaption + role)).empty())
            return;
    for (int role = 0; role < HeadingLine::RoleCount; ++role)
        data.setHeadingLine(HeadingLine::FirstRoleCaption + role,
                            utf8ToCp932(titleCaptions[firstRoleCaptionEntry - 1 + role]));
    data.setHeadingLine(HeadingLine::Title, defaultLogTitle());
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
    const std::string& storedStart = data.documentOption(DocumentOptionItem::PrintStartDepth).value;
    if (isNumericText(storedStart) > 0) {
        settings.printStartDepth = clampPrintStartDepth(parseLeadingNumber(storedStart));
        view.screenPageStart = settings.printStartDepth;
    }
    fillDefaultCaptions(data);
    if (parseLeadingInteger(data.documentOption(DocumentOptionItem::QuScaleMaximum).value) <= 0)
        data.documentOption(DocumentOptionItem::QuScaleMaximum).value = "500";
}

}  // namespace kolv
