#include "data/BoringData.h"
#include "data/Cp932Text.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "render/LogMapping.h"
#include "render/LogPrimitives.h"
#include "render/ObservationCursor.h"
#include "render/TextColumns.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace kolv {

namespace {

constexpr double textLeftInset = 0.2;
constexpr double textRightInset = 0.8;
constexpr double leaderSlant = 1.0;
// The height of a pushed-down note's turn into its line: the gap the cursor
// keeps between two notes, so the turn stays below the note above.
constexpr double leaderTurnHeight = 0.03;

// The note's one-character switch: empty or "1" ties the note to its depth
// with a leader.
bool drawsLeader(const std::string& switchText)
{
    const std::string_view value = skipLeadingBlanks(switchText);
    return value.empty() || value == "1";
}

// The printed pages the notes are laid out on, the same for every page drawn
// and for the screen, so a note stands at the same depth wherever it is seen.
NotePages printedPages(const DrawContext& context)
{
    return {pageStartDepth(context.settings, 1), pageStep(context.settings), static_cast<double>(context.depthPerPage)};
}

// Lays out every note as the page shows it; draws them when asked to, and
// returns the depth the text of the last note reaches.
double layOutObservationNotes(DrawContext& context, bool draw)
{
    selectFontSlot(context, FontRole::ObservationNotes);
    const BoringData::ObservationTable& notes = context.data.observationRows;
    const int count = occupiedRowCount(notes);
    const double left = context.columnX[Column::ObservationNotes - 1];
    const double right = context.columnX[Column::ObservationNotes];
    if (right - left < hiddenColumnWidth)
        return 0.0;
    // The text keeps clear of both column rules.
    const double textLeft = left + textLeftInset;
    const double textRight = std::max(right - textRightInset, textLeft);
    const Pen leaderPen = solidPen(context.settings.innerLineWidth);
    ObservationCursor cursor(printedPages(context));

    for (int row = 1; row <= count; ++row) {
        const double upper = parseLeadingNumber(notes.cell(row, ObservationCell::UpperDepth));
        if (draw && upper > context.pageBottom)
            break;
        const std::string text(stripLineEnd(notes.cell(row, ObservationCell::Note)));
        const double height = text.empty() ? 0.0 : drawWrappedText(context, textLeft, textRight, 0.0, text, true);
        const NotePlacement placement = cursor.begin(upper, height);
        cursor.end(height);
        if (!draw)
            continue;
        if (!text.empty())
            drawWrappedText(context, textLeft, textRight, placement.textTop, text);
        if (drawsLeader(notes.cell(row, ObservationCell::Mark))) {
            // A note pushed down below its depth by the notes above would have
            // its leader slant across their text; it runs down the column's
            // rules instead and turns in just above its own line, below the
            // text of the note above.
            const double c = placement.leaderDepth;
            const double turn = std::max(upper, c - leaderTurnHeight);
            if (turn > upper) {
                drawLogLine(context, left, upper, left, turn, leaderPen);
                drawLogLine(context, right, turn, right, upper, leaderPen);
            }
            drawLogLine(context, left, turn, left + leaderSlant, c, leaderPen);
            drawLogLine(context, left + leaderSlant, c, right - leaderSlant, c, leaderPen);
            drawLogLine(context, right - leaderSlant, c, right, turn, leaderPen);
        }
    }
    return cursor.bottom();
}

}  // namespace

void drawObservationNotes(DrawContext& context)
{
    layOutObservationNotes(context, true);
}

double observationNotesBottom(DrawContext& context)
{
    return layOutObservationNotes(context, false);
}

}  // namespace kolv
