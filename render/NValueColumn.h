#pragma once
// The N-value columns: the grid of the graph, the penetration tests with
// their texts and plot, and the qu points.
namespace kolv {

struct DrawContext;

void drawNValueGrid(DrawContext& context);
void drawPenetrationTests(DrawContext& context);

}  // namespace kolv
