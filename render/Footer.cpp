#include "render/Footer.h"

#include "data/BoringData.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "render/LogPrimitives.h"
#include "render/TextColumns.h"

namespace kolv {

namespace {

// In sheet millimetres y = 0 lies 70 mm below the paper's top edge (the
// title band of 7 units of 10 mm).
constexpr double sheetMillimetreOrigin = 70.0;

}  // namespace

PageFooter pageFooter(const BoringData& data, int page)
{
    PageFooter footer;
    const std::string& prefix = data.headingLine(HeadingLine::FooterPrefix);
    const std::string& start = data.headingLine(HeadingLine::FooterStartNumber);
    const std::string& suffix = data.headingLine(HeadingLine::FooterSuffix);
    if (isNumericText(start) > 0) {
        const long long number = static_cast<long long>(parseLeadingInteger(start)) + page - 1;
        footer.text = prefix + formatText("%lld", number) + suffix;
    } else {
        footer.text = prefix + start + suffix;
    }
    const bool fromPaperTop = parseLeadingInteger(data.headingLine(HeadingLine::FooterPlacement)) == 0;
    footer.verticalMode = fromPaperTop ? FooterVerticalMode::FromPaperTop : FooterVerticalMode::BelowLog;
    footer.distanceFromPaperTop = parseLeadingNumber(data.headingLine(HeadingLine::FooterDistanceFromPaperTop));
    footer.distanceBelowLog = parseLeadingNumber(data.headingLine(HeadingLine::FooterDistanceBelowLog));
    footer.centred = parseLeadingInteger(data.headingLine(HeadingLine::FooterCentred)) != 0;
    footer.leftFromPaperEdge = parseLeadingNumber(data.headingLine(HeadingLine::FooterLeftFromPaperEdge));
    footer.centreFromPaperEdge = parseLeadingNumber(data.headingLine(HeadingLine::FooterCentreFromPaperEdge));
    return footer;
}

void drawPageFooter(DrawContext& context)
{
    const PageFooter footer = pageFooter(context.data, context.page);
    if (footer.text.empty())
        return;
    selectFontSlot(context, FontRole::PageFooter);
    LogMapping& mapping = context.mapping;
    MappingScope scope(mapping);
    // The footer's positions are paper millimetres from the sheet's left
    // edge, whatever the horizontal scale of the log.
    mapping.leftMarginMm = 0.0;
    mapping.unitX = mapping.dotsPerMmX;
    const double x = footer.centred ? footer.centreFromPaperEdge : footer.leftFromPaperEdge;
    const TextAlign align = (footer.centred ? TextAlign::Center : TextAlign::Left) | TextAlign::Top;
    double y = 0.0;
    if (footer.verticalMode == FooterVerticalMode::FromPaperTop) {
        mapping.useSheetMillimetres();
        y = footer.distanceFromPaperTop - sheetMillimetreOrigin;
    } else {
        y = context.pageBottom + (footer.distanceBelowLog + context.freeNotesHeight) * mapping.verticalScale * 0.001;
    }
    drawTextAt(context, x, y, footer.text, align);
}

}  // namespace kolv
