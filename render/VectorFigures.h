#pragma once
// The built-in vector figures of the soil symbol column, one per pattern
// number of the vector table: overlays 1-8 and 10-50 (sparse marks of the
// "混じり" and "質" parts of a name), base soils and rocks 100-8700, the five
// special boundary kinds 10000-10004 and the made grounds 10091-10093. Any
// other number has no figure, so that the pattern-source choices can fall
// back to the bitmaps. Figures repeat their marks at spacings in millimetres
// of the sheet vertically (the y unit is 10 mm) and in x units horizontally.
#include "render/DrawContext.h"
#include "render/VectorFigurePlotter.h"

#include <vector>

namespace kolv {

inline constexpr long firstSpecialCode = 10000;
inline constexpr long lastSpecialCode = 10004;

bool hasVectorFigure(long number);

// Every number of the vector table, ascending.
const std::vector<long>& vectorFigureNumbers();

// Draws the figure of number into the frame's cell; false, drawing nothing,
// when the table has no figure for the number.
bool drawVectorFigure(LogDevice& device, long number, const FigureFrame& frame, const Pen& pen);

// Draws the figure of number with the plotter's pen over its cell; false,
// drawing nothing, when the table has no figure for the number.
bool drawVectorFigure(const FigurePlotter& plotter, long number);

// The frame of the cell x1 ... x2, y1 ... y2 of the mapping's coordinates,
// with unitsPerMillimetreY device units per figure millimetre downwards.
FigureFrame figureFrameOf(const LogMapping& mapping, double x1, double y1, double x2, double y2,
                          double unitsPerMillimetreY);

// Draws the figure of number into the cell x1 ... x2, y1 ... y2 in the
// context's log coordinates, whose y unit must be 10 mm (the pattern step and
// the pattern preview set it so). A pen width of 0 draws nothing.
bool drawVectorFigure(DrawContext& context, long number, double x1, double y1, double x2, double y2, int penWidth,
                      ColorRef color);

// One boundary line of special kind 0-4 (kind k is code 10000 + k) across
// the plotter's cell at height y: 0 the same layer continues (no line),
// 1 gradual transition (dotted), 2 alternation boundary (dash-dot),
// 3 unconformity (wavy), 4 assumed boundary (dashed).
void drawBoundaryKind(const FigurePlotter& plotter, int kind, double y);

}  // namespace kolv
