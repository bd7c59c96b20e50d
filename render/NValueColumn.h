#pragma once
// The N-value columns: the grid of the graph, the penetration tests with
// their texts and plot, the qu points and the scales of the graph.
namespace kolv {

struct DrawContext;

// Body mapping, inside the page clip.
void drawNValueGrid(DrawContext& context);
// The plot marks go with their tests, or later, over the texts of the
// test-results column, whose white ground would otherwise hide a point.
enum class PlotMarks { WithTheTests, Later };
void drawPenetrationTests(DrawContext& context, PlotMarks marks = PlotMarks::WithTheTests);
void drawPenetrationTestMarks(DrawContext& context);
// The unconfined compression strengths of the recovery table on the graph.
void drawQuPoints(DrawContext& context);

// Title band mapping: the N scale numbers along the top of the graph and the
// qu scale under its label, in the lower sub-rows of the heading band.
void drawNValueGraphScales(DrawContext& context);

}  // namespace kolv
