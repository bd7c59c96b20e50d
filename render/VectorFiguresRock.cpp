// Figures of the rocks: sedimentary rocks in brick courses, volcanic and
// plutonic rocks as "v", "+" and "×" marks, metamorphic rocks as waves.
#include "render/VectorFigureMarks.h"
#include "render/VectorFigureTable.h"

#include <array>
#include <cmath>
#include <numbers>

namespace kolv {

namespace {

constexpr double courseHeight = 3.0;
constexpr double brickLength = 6.0;
// One mark in the middle of every half brick.
constexpr FigureGrid inBricks{3.0, 3.0, 1.5, 1.5, false};
constexpr FigureGrid betweenCourses{3.0, 3.0, 1.5, 1.5, true};

// Courses 3 mm high, bricks 6 mm long laid in stretcher bond.
void bricks(const FigurePlotter& p)
{
    p.horizontalLines(courseHeight, 0.0);
    p.repeat({brickLength, courseHeight, 0.0, 0.0, true}, 0.0,
             [&](double x, double y, int, int) { p.line(x, y, x, y + courseHeight); });
}

void mudstone(const FigurePlotter& p)
{
    bricks(p);
    p.repeat(inBricks, 1.0, [&](double x, double y, int, int) { marks::dash(p, x, y, 1.0); });
}

void sandstone(const FigurePlotter& p)
{
    bricks(p);
    p.repeat({1.5, courseHeight, 0.75, 1.0, false}, 0.5, [&](double x, double y, int, int) { p.dot(x, y, 0.18); });
    p.repeat({1.5, courseHeight, 0.75, 2.0, false}, 0.5, [&](double x, double y, int, int) { p.dot(x, y, 0.18); });
}

void conglomerate(const FigurePlotter& p)
{
    bricks(p);
    p.repeat(inBricks, 1.0, [&](double x, double y, int, int) { p.circle(x, y, 0.65); });
}

void tuff(const FigurePlotter& p)
{
    p.horizontalLines(courseHeight, 0.0);
    p.repeat(betweenCourses, 1.0, [&](double x, double y, int, int) { marks::vee(p, x, y, 1.3, 1.0); });
}

void granite(const FigurePlotter& p)
{
    p.repeat({3.0, 2.0, 1.5, 1.0, true}, 1.0, [&](double x, double y, int, int) { marks::plus(p, x, y, 0.7); });
}

void schist(const FigurePlotter& p)
{
    p.waves(1.5, 0.75, 4.0, 0.35);
}

void shale(const FigurePlotter& p)
{
    p.horizontalDashes(1.0, 0.5, 3.5, 0.5, 2.0);
}

void slate(const FigurePlotter& p)
{
    p.diagonalLines(1.5, 0.0, false);
}

void chert(const FigurePlotter& p)
{
    bricks(p);
    p.repeat({3.0, 3.0, 1.5, 1.6, false}, 1.0,
             [&](double x, double y, int, int) { marks::triangle(p, x, y, 1.3, true, false); });
}

void andesite(const FigurePlotter& p)
{
    p.repeat(inBricks, 1.0, [&](double x, double y, int column, int row) {
        if ((column + row) & 1)
            marks::vee(p, x, y, 1.2, 1.0);
        else
            marks::plus(p, x, y, 0.6);
    });
}

void basalt(const FigurePlotter& p)
{
    p.repeat({2.0, 2.0, 1.0, 1.0, true}, 1.0, [&](double x, double y, int, int) { marks::vee(p, x, y, 0.9, 0.7); });
}

void rhyolite(const FigurePlotter& p)
{
    p.waves(3.0, 0.0, 6.0, 0.5);
    p.repeat(betweenCourses, 1.0, [&](double x, double y, int, int) { marks::vee(p, x, y, 1.0, 0.8); });
}

void diorite(const FigurePlotter& p)
{
    p.repeat(betweenCourses, 1.0, [&](double x, double y, int, int) { marks::plus(p, x, y, 0.6); });
    p.repeat({3.0, 3.0, 0.0, 0.0, true}, 0.5, [&](double x, double y, int, int) { p.dot(x, y, 0.18); });
}

void gabbro(const FigurePlotter& p)
{
    p.repeat({2.0, 1.5, 1.0, 0.75, true}, 1.0, [&](double x, double y, int, int) { marks::cross(p, x, y, 0.45); });
}

void serpentinite(const FigurePlotter& p)
{
    p.waves(3.0, 1.5, 4.0, 0.8);
    p.waves(3.0, 1.5, 4.0, 0.8, std::numbers::pi);
}

void gneiss(const FigurePlotter& p)
{
    p.waves(3.0, 0.0, 6.0, 0.4);
    p.repeat(betweenCourses, 1.0, [&](double x, double y, int, int) { marks::dash(p, x, y, 1.2); });
}

void hornfels(const FigurePlotter& p)
{
    p.repeat({2.0, 2.0, 1.0, 1.0, true}, 1.0, [&](double x, double y, int, int) { marks::oblique(p, x, y, 1.4); });
}

void tuffBreccia(const FigurePlotter& p)
{
    p.repeat(betweenCourses, 1.0, [&](double x, double y, int column, int row) {
        if ((column + row) & 1)
            marks::triangle(p, x, y, 1.5, true, false);
        else
            marks::vee(p, x, y, 1.1, 0.9);
    });
}

void volcanicBreccia(const FigurePlotter& p)
{
    p.repeat({4.0, 3.0, 2.0, 1.5, true}, 1.5,
             [&](double x, double y, int, int row) { marks::triangle(p, x, y, 2.0, (row & 1) == 0, false); });
}

void weldedTuff(const FigurePlotter& p)
{
    p.repeat({4.0, 3.0, 2.0, 1.5, true}, 2.0, [&](double x, double y, int, int) { p.ellipse(x, y, 1.5, 0.35, false); });
    p.repeat({4.0, 3.0, 0.0, 0.0, true}, 1.0, [&](double x, double y, int, int) { marks::vee(p, x, y, 0.8, 0.6); });
}

void pumice(const FigurePlotter& p)
{
    p.repeat({2.0, 1.5, 1.0, 0.75, true}, 1.0, [&](double x, double y, int, int) { p.ellipse(x, y, 0.6, 0.4, false); });
}

void scoria(const FigurePlotter& p)
{
    p.repeat({2.0, 2.0, 1.0, 1.0, true}, 1.0, [&](double x, double y, int column, int row) {
        if ((column + row) & 1)
            p.dot(x, y, 0.35);
        else
            p.circle(x, y, 0.45);
    });
}

void weatheredRock(const FigurePlotter& p)
{
    p.horizontalDashes(courseHeight, 0.0, 4.0, 2.0, 3.0);
    p.repeat({brickLength, courseHeight, 0.0, 0.0, true}, 0.0,
             [&](double x, double y, int, int) { p.line(x, y, x, y + 2.0); });
    p.repeat({1.5, courseHeight, 0.75, 1.5, false}, 0.5, [&](double x, double y, int, int) { p.dot(x, y, 0.18); });
}

void stronglyWeatheredRock(const FigurePlotter& p)
{
    p.horizontalDashes(courseHeight, 0.0, 2.5, 3.5, 3.0);
    p.repeat(betweenCourses, 1.0, [&](double x, double y, int, int) { marks::dash(p, x, y, 1.0); });
}

// Short strokes crossing in pairs at changing angles, laid out once in a
// 12 mm square and repeated.
void fractureZone(const FigurePlotter& p)
{
    struct Stroke {
        double x, y, degrees;
    };
    static constexpr std::array<Stroke, 16> strokes{{
        {1.5, 1.5, 20},
        {4.5, 1.0, 110},
        {7.5, 2.0, 60},
        {10.5, 1.2, 150},
        {2.5, 4.5, 135},
        {5.8, 4.0, 35},
        {8.7, 4.8, 95},
        {11.2, 4.2, 10},
        {1.0, 7.5, 75},
        {4.0, 7.2, 160},
        {7.2, 7.8, 45},
        {10.0, 7.0, 120},
        {2.2, 10.4, 5},
        {5.2, 10.8, 80},
        {8.2, 10.2, 140},
        {11.0, 10.6, 55},
    }};
    constexpr double halfLength = 0.8;
    p.repeat({12.0, 12.0, 6.0, 6.0, false}, 5.9, [&](double centreX, double centreY, int, int) {
        const double x = centreX - 6.0;
        const double y = centreY - 6.0;
        for (const Stroke& stroke : strokes) {
            for (const double degrees : {stroke.degrees, stroke.degrees + 70.0}) {
                const double radians = degrees * std::numbers::pi / 180.0;
                const double dx = halfLength * std::cos(radians);
                const double dy = halfLength * std::sin(radians);
                p.line(x + stroke.x - dx, y + stroke.y + dy, x + stroke.x + dx, y + stroke.y - dy);
            }
        }
    });
}

void faultClay(const FigurePlotter& p)
{
    p.diagonalLines(3.0, 0.0, true);
    p.repeat({3.0, 1.5, 1.5, 0.0, true}, 1.0, [&](double x, double y, int, int) { marks::dash(p, x, y, 0.8); });
}

void carbonaceousShale(const FigurePlotter& p)
{
    p.horizontalLines(1.5, 0.0);
    p.repeat({4.0, 3.0, 2.0, 0.75, true}, 1.0,
             [&](double x, double y, int, int) { p.filledBox(x - 0.8, y - 0.22, x + 0.8, y + 0.22); });
}

void sandyShale(const FigurePlotter& p)
{
    p.horizontalLines(1.5, 0.0);
    p.repeat({1.5, 3.0, 0.75, 0.75, true}, 0.5, [&](double x, double y, int, int) { p.dot(x, y, 0.18); });
}

void coal(const FigurePlotter& p)
{
    // One band a course, across the whole cell.
    p.repeat({p.width() + courseHeight, courseHeight, 0.0, 0.0, false}, courseHeight,
             [&](double, double y, int, int) { p.filledBox(0.0, y + 0.9, p.width(), y + 2.1); });
}

constexpr VectorFigureEntry figures[] = {
    {1100, mudstone},
    {1200, sandstone},
    {1300, conglomerate},
    {1400, tuff},
    {1500, granite},
    {1600, schist},
    {1700, bricks},
    {2100, shale},
    {2200, slate},
    {2300, chert},
    {2400, andesite},
    {2500, basalt},
    {2600, rhyolite},
    {2700, diorite},
    {2800, gabbro},
    {2900, serpentinite},
    {3000, gneiss},
    {3100, hornfels},
    {3300, tuffBreccia},
    {3400, volcanicBreccia},
    {3500, weldedTuff},
    {3600, pumice},
    {3800, scoria},
    {8100, weatheredRock},
    {8200, stronglyWeatheredRock},
    {8300, fractureZone},
    {8400, faultClay},
    {8500, carbonaceousShale},
    {8600, sandyShale},
    {8700, coal},
};

}  // namespace

std::span<const VectorFigureEntry> rockFigures()
{
    return figures;
}

}  // namespace kolv
