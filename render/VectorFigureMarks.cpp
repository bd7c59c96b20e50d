#include "render/VectorFigureMarks.h"

#include <cmath>
#include <numbers>

namespace kolv::marks {

namespace {

constexpr int tildeSteps = 12;

}  // namespace

void dash(const FigurePlotter& plotter, double x, double y, double length)
{
    plotter.line(x - length / 2, y, x + length / 2, y);
}

void ruledPair(const FigurePlotter& plotter, double x, double y, double length, double gap)
{
    dash(plotter, x, y - gap / 2, length);
    dash(plotter, x, y + gap / 2, length);
}

void tilde(const FigurePlotter& plotter, double x, double y, double length, double amplitude)
{
    std::vector<FigurePoint> points;
    points.reserve(tildeSteps + 1);
    for (int step = 0; step <= tildeSteps; ++step) {
        const double t = static_cast<double>(step) / tildeSteps;
        points.push_back({x - length / 2 + t * length, y - amplitude * std::sin(2 * std::numbers::pi * t)});
    }
    plotter.polyline(points);
}

void vee(const FigurePlotter& plotter, double x, double y, double width, double height)
{
    plotter.polyline({{x - width / 2, y - height / 2}, {x, y + height / 2}, {x + width / 2, y - height / 2}});
}

void humus(const FigurePlotter& plotter, double x, double y, double size)
{
    vee(plotter, x, y - size * 0.15, size * 0.8, size * 0.6);
    plotter.line(x, y + size * 0.15, x, y + size * 0.5);
}

void ash(const FigurePlotter& plotter, double x, double y, double size)
{
    vee(plotter, x, y + size * 0.15, size * 0.9, size * 0.6);
    plotter.dot(x, y - size * 0.45, size * 0.12);
}

void plus(const FigurePlotter& plotter, double x, double y, double arm)
{
    plotter.line(x - arm, y, x + arm, y);
    plotter.line(x, y - arm, x, y + arm);
}

void cross(const FigurePlotter& plotter, double x, double y, double arm)
{
    plotter.line(x - arm, y - arm, x + arm, y + arm);
    plotter.line(x - arm, y + arm, x + arm, y - arm);
}

void triangle(const FigurePlotter& plotter, double x, double y, double side, bool pointingUp, bool filled)
{
    const double half = side / 2;
    const double height = side * 0.8660254037844386;
    const double apex = pointingUp ? y - height * 2 / 3 : y + height * 2 / 3;
    const double base = pointingUp ? y + height / 3 : y - height / 3;
    plotter.polygon({{x, apex}, {x + half, base}, {x - half, base}}, filled);
}

void shell(const FigurePlotter& plotter, double x, double y, double radius)
{
    plotter.arc(x, y + radius / 3, radius, 0.0, 180.0);
    plotter.line(x - radius, y + radius / 3, x + radius, y + radius / 3);
    plotter.line(x, y + radius / 3, x, y - radius * 2 / 3);
}

void oblique(const FigurePlotter& plotter, double x, double y, double length)
{
    const double half = length * 0.35355339059327373;
    plotter.line(x - half, y + half, x + half, y - half);
}

void tuft(const FigurePlotter& plotter, double x, double y, double size)
{
    const double top = y - size / 2;
    const double bottom = y + size / 2;
    plotter.line(x, bottom, x, top);
    plotter.line(x, bottom, x - size * 0.4, top + size * 0.15);
    plotter.line(x, bottom, x + size * 0.4, top + size * 0.15);
}

void dotCluster(const FigurePlotter& plotter, double x, double y, double spread, double radius)
{
    plotter.dot(x - spread, y + spread * 0.6, radius);
    plotter.dot(x + spread, y + spread * 0.6, radius);
    plotter.dot(x, y - spread * 0.6, radius);
}

}  // namespace kolv::marks
