#pragma once
// Filling a layer's part of the soil symbol column with its pattern: where
// the codes come from (the pattern-source choice), how a code is taken apart
// (special, whole, split, layered) and how one pattern number is drawn
// (a vector figure or tiles of its bitmap).
#include "render/DrawContext.h"

namespace kolv {

// PatternMode of the settings ("使用パターン選択").
namespace PatternMode {
inline constexpr int VectorOnly = 0;        // "線描のみ使用"
inline constexpr int VectorThenBitmap = 1;  // "線描優先"
inline constexpr int BitmapThenVector = 2;  // "ビットマップ優先"
inline constexpr int BitmapOnly = 3;        // "ビットマップのみ"
}  // namespace PatternMode

enum class PatternSource {
    Vector,  // figures, codes from layer cells 12 and 13
    Bitmap,  // "J<number>.BMP" files, codes from layer cells 5 and 6
};

enum class CodeKind {
    None,     // negative: nothing
    Special,  // 10000-10004: a boundary kind relating the layer to the one above
    Whole,    // ten-thousands digit 1: the code itself as one pattern
    Split,    // ten-thousands digit 9: two patterns side by side (alternations)
    Layered,  // anything else: base pattern, then the tens and ones overlays
};

CodeKind classifyPatternCode(long code);

// A part of the soil symbol column: x in x units, y in metres of depth (the
// body mapping), already clipped to the page.
struct PatternCell {
    double x1 = 0.0;
    double x2 = 0.0;
    double y1 = 0.0;
    double y2 = 0.0;
};

// One pattern number over the cell: the vector figure (its spacing in
// millimetres of the sheet whatever the depth scale, its colour from the
// pattern colour table unless all patterns are black) or the bitmap tiled
// with the raster operation. True when the step counts as drawn: the figure
// table has the number, or the bitmap file could be read.
bool drawPatternStep(DrawContext& context, PatternSource source, long number, const PatternCell& cell,
                     RasterOperation operation);

// Code `which` (0 the name's, 1 the auxiliary name's) of layer `row` over
// the cell, step by step as its kind says; a split code gives its left
// pattern the name's or the auxiliary name's percentage (1-99, else 50).
// True when any step counted as drawn. A special code continues the pattern
// of the first of the consecutive layers above that share the layer's name.
bool drawLayerCode(DrawContext& context, PatternSource source, int row, int which, const PatternCell& cell);

// The pattern of layer `row` over the cell, as the pattern-source choice says:
// one code fills the cell, two codes share it left and right.
void drawLayerPattern(DrawContext& context, int row, const PatternCell& cell);

// The first code of layer `row` in the source the pattern-source choice
// draws first (none for a choice outside 0-3): the code whose special kind
// shapes the boundary at the layer's top.
long leadingPatternCode(const DrawContext& context, int row);

}  // namespace kolv
