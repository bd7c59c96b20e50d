#include "data/BoringData.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "render/LogPrimitives.h"
#include "render/TextColumns.h"

namespace kolv {

namespace {

// Metres of depth per paper millimetre at the depth scale, and x units per
// paper millimetre at the horizontal scale: the free notes are placed in
// paper millimetres from the box's upper left corner.
double metresPerPaperMillimetre(const LogMapping& mapping)
{
    return mapping.verticalScale * 0.001;
}

double xUnitsPerPaperMillimetre(const LogMapping& mapping)
{
    return mapping.horizontalScale * 0.01;
}

}  // namespace

void drawFreeNotes(DrawContext& context)
{
    selectFontSlot(context, FontRole::FreeNotes);
    const BoringData::FreeNoteTable& notes = context.data.freeNoteRows;
    const int count = occupiedRowCount(notes);
    const double left = context.columnX[Column::LogLeft];
    const double bottom = context.pageBottom;
    const double metresPerMm = metresPerPaperMillimetre(context.mapping);

    for (int row = 1; row <= count; ++row) {
        const long page = parseLeadingInteger(notes.cell(row, FreeNoteCell::Page));
        if (page != 0 && page != context.page)
            continue;
        const double x =
            left + parseLeadingNumber(notes.cell(row, FreeNoteCell::X)) * xUnitsPerPaperMillimetre(context.mapping);
        const double y = bottom + parseLeadingInteger(notes.cell(row, FreeNoteCell::Y)) * metresPerMm;
        drawTextAt(context, x, y, notes.cell(row, FreeNoteCell::Text), TextAlign::Left | TextAlign::Top);
    }

    if (context.freeNotesHeight <= 0)
        return;
    const double boxBottom = bottom + context.freeNotesHeight * metresPerMm;
    const double right = context.columnX[Column::LogRight];
    const Pen pen = solidPen(context.settings.outerLineWidth);
    drawLogLine(context, left, bottom, left, boxBottom, pen);
    drawLogLine(context, right, bottom, right, boxBottom, pen);
    drawLogLine(context, left, boxBottom, right, boxBottom, pen);
}

}  // namespace kolv
