#pragma once
// The layers of a page: boundaries, depth and thickness figures, the soil
// symbol column with its patterns, soil names and colour tones.
namespace kolv {

struct DrawContext;

void drawLayers(DrawContext& context);

}  // namespace kolv
