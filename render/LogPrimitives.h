#pragma once
// Drawing in log coordinates: each primitive maps its points with the
// context's mapping (clamped to the device's coordinate range) and passes pen
// style, width (device units) and colour through. A pen width of 0 draws
// nothing. Texts are code page 932.
#include "render/DrawContext.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace kolv {

inline constexpr long dashSegmentLimit = 1000000;

// A solid pen of the given width and colour.
Pen solidPen(int width, ColorRef color = 0);

void drawLogLine(DrawContext& context, double x1, double y1, double x2, double y2, const Pen& pen);

// A line drawn as segments of `solid` device units separated by `gap` device
// units, at most dashSegmentLimit segments. A gap of 0, or solid + gap of 0
// or less, draws one solid line.
void drawDashedLine(DrawContext& context, double x1, double y1, double x2, double y2, const Pen& pen, int solid,
                    int gap);

void drawBoxOutline(DrawContext& context, double x1, double y1, double x2, double y2, const Pen& pen);
void fillBox(DrawContext& context, double x1, double y1, double x2, double y2, ColorRef color);

// A circle whose radius is given in millimetres of the sheet, so that it stays
// round and keeps its size at every scale.
void drawSheetCircle(DrawContext& context, double x, double y, double radiusMillimetres, const Pen& pen,
                     const ColorRef* fill = nullptr);
// The ellipse inscribed in the box.
void drawEllipse(DrawContext& context, double x1, double y1, double x2, double y2, const Pen& pen,
                 const ColorRef* fill = nullptr);
// An arc of the ellipse inscribed in the box, counter-clockwise from
// startDegrees to endDegrees (0 = towards +x, 90 = upwards on the sheet).
void drawArc(DrawContext& context, double x1, double y1, double x2, double y2, double startDegrees, double endDegrees,
             const Pen& pen);
// The rhombus whose corners are the midpoints of the box's sides.
void drawRhombus(DrawContext& context, double x1, double y1, double x2, double y2, const Pen& pen,
                 const ColorRef* fill = nullptr);
// The rhombus with a line joining its top and bottom corners.
void drawRhombusWithCentreLine(DrawContext& context, double x1, double y1, double x2, double y2, const Pen& pen);

// Text at a point with a GDI-style alignment (left/right/centre with
// top/bottom/baseline).
void drawTextAt(DrawContext& context, double x, double y, const std::string& text,
                TextAlign align = TextAlign::Left | TextAlign::Top);
// One line centred in the box shrunk by one device unit on each side; not
// clipped; fitted to the box's width.
void drawTextCentredInBox(DrawContext& context, double x1, double y1, double x2, double y2, const std::string& text);
// Text vertically centred in the band y1 ... y2 (its top at (top + bottom -
// text height) / 2), horizontally aligned at x by horizontalAlign.
void drawTextCentredInBand(DrawContext& context, double x, double y1, double y2, const std::string& text,
                           TextAlign horizontalAlign = TextAlign::Left);
// The text spread evenly over x1 ... x2 of the row y1 ... y2: the first
// character starts at x1, the last ends at x1 + max(x2 - x1, character size).
// A text wider than that is condensed (or cut) into it instead, whole.
void drawSpreadText(DrawContext& context, double x1, double x2, double y1, double y2, const std::string& text);

// Narrowest horizontal scale of a text condensed to fit its place; below it
// glyphs stop being readable and the text is cut instead.
inline constexpr int narrowestWidthPercent = 60;

// A one-line text made to fit a width: as it is when it fits, else condensed
// (widthPercent below 100) down to the narrowest scale, else cut with "…" at
// that scale. The text is measured in the current font.
struct FittedText {
    std::string text;
    int widthPercent = 100;
    double width = 0.0;  // x units, as drawn
};
FittedText fitTextToWidth(DrawContext& context, const std::string& text, double width);

// The character boundaries of a text: 0, the start of every further
// character, and the text's size.
std::vector<std::size_t> characterBoundaries(const std::string& text);
// The last index of 0 .. count-1 that accepts takes, accepts holding up to
// some index and failing after it (index 0 counts as taken). Found by
// doubling, then halving: a search for the part of a text that fits a
// place measures prefixes of at most about twice that part, however long
// the text.
std::size_t lastAcceptedIndex(std::size_t count, const std::function<bool(std::size_t)>& accepts);
// Draws a fitted text with the current font, the font's scale restored after.
void drawFittedTextAt(DrawContext& context, double x, double y, const FittedText& text, TextAlign align);
// A one-line text at (x, y) kept between left and right: it is fitted to the
// room its alignment leaves it there (a centred text to twice the room on its
// nearer side).
// With ground, the text's box is first filled in that colour, so that lines
// drawn before (the N-value graph in the test-results column) do not cross it.
void drawTextWithin(DrawContext& context, double x, double y, const std::string& text, TextAlign align, double left,
                    double right, const ColorRef* ground = nullptr);

// Word-wrapped text (line breaks of the text kept, external leading included,
// not clipped) in the box x1 ... x2 from yTop; returns the height used in y
// units. measureOnly draws nothing.
double drawWrappedText(DrawContext& context, double x1, double x2, double yTop, const std::string& text,
                       bool measureOnly = false);

// Sizes of the current font in log units.
double textHeightInY(DrawContext& context);
double textWidthInX(DrawContext& context, const std::string& text);
double textHeightInX(DrawContext& context);

// Selects the font of the role's slot with its colour; a font that cannot be
// made keeps the previous font and is reported once for the pass.
void selectFontSlot(DrawContext& context, FontRole role);
// The log title's font: slot 0 at 1.6 times its size.
void selectTitleFont(DrawContext& context);
// A font of the title band: the band follows the depth scale, and below 1:100
// its fonts shrink with it so that its texts keep inside their rows.
void selectBandFontSlot(DrawContext& context, FontRole role);
void selectBandTitleFont(DrawContext& context);
// Makes font the device's current font.
void useFont(DrawContext& context, const FontRequest& font);

}  // namespace kolv
