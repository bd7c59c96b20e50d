#pragma once
// The small marks the soil and rock figures are built from, each centred on
// its point, sizes in figure millimetres.
#include "render/VectorFigurePlotter.h"

namespace kolv::marks {

void dash(const FigurePlotter& plotter, double x, double y, double length);
// Two short parallel strokes, one above the other.
void ruledPair(const FigurePlotter& plotter, double x, double y, double length, double gap);
// One period of a sine: the "～" of organic matter and water.
void tilde(const FigurePlotter& plotter, double x, double y, double length, double amplitude);
// A "v" opening upwards.
void vee(const FigurePlotter& plotter, double x, double y, double width, double height);
// A "v" on a short stem: plant remains (腐植).
void humus(const FigurePlotter& plotter, double x, double y, double size);
// A "v" with a dot above it: volcanic ash.
void ash(const FigurePlotter& plotter, double x, double y, double size);
void plus(const FigurePlotter& plotter, double x, double y, double arm);
void cross(const FigurePlotter& plotter, double x, double y, double arm);
void triangle(const FigurePlotter& plotter, double x, double y, double side, bool pointingUp, bool filled);
// A shell: the upper half of a circle on its chord, with one rib.
void shell(const FigurePlotter& plotter, double x, double y, double radius);
// A short stroke rising to the right.
void oblique(const FigurePlotter& plotter, double x, double y, double length);
// Three strokes fanning upwards: a tuft of grass.
void tuft(const FigurePlotter& plotter, double x, double y, double size);
// A cluster of three dots.
void dotCluster(const FigurePlotter& plotter, double x, double y, double spread, double radius);

}  // namespace kolv::marks
