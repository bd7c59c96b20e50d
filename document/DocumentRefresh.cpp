#include "document/DocumentRefresh.h"

#include "data/Fields.h"
#include "data/Number.h"
#include "data/RoleCaptions.h"
#include "formats/SoilPatternLookup.h"
#include "render/LogFrame.h"
#include "settings/SettingsStore.h"

namespace kolv {

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
    // A heading without role captions gets the defaults, and with them the
    // title of a soil log; a converted file has both from its import.
    if (fillDefaultRoleCaptions(data))
        data.setHeadingLine(HeadingLine::Title, defaultLogTitle());
    if (parseLeadingInteger(data.documentOption(DocumentOptionItem::QuScaleMaximum).value) <= 0)
        data.documentOption(DocumentOptionItem::QuScaleMaximum).value = "500";
    data.freeNoteFrameSize = freeNoteFrameSizeOf(data);
}

}  // namespace kolv
