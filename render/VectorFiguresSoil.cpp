// Figures of the overlays, the soils and the made grounds.
#include "render/VectorFigureMarks.h"
#include "render/VectorFigureTable.h"

#include <array>

namespace kolv {

namespace {

// The "混じり" overlays: an even scatter, one mark in 36 mm².
constexpr FigureGrid admixtureGrid{6.0, 6.0, 1.5, 2.0, true};
// The "質" overlays: a light sprinkle, denser than an admixture.
constexpr FigureGrid qualifierGrid{4.0, 3.0, 0.5, 1.0, true};
// Marks between lines 3 mm apart.
constexpr FigureGrid betweenLines{3.0, 3.0, 1.5, 1.5, true};

void gravelAdmixture(const FigurePlotter& p)
{
    p.repeat(admixtureGrid, 1.0, [&](double x, double y, int, int) { p.circle(x, y, 0.6); });
}

void sandAdmixture(const FigurePlotter& p)
{
    p.repeat(admixtureGrid, 1.0, [&](double x, double y, int, int) { marks::dotCluster(p, x, y, 0.35, 0.18); });
}

void siltAdmixture(const FigurePlotter& p)
{
    p.repeat(admixtureGrid, 1.0, [&](double x, double y, int, int) { marks::dash(p, x, y, 1.4); });
}

void clayAdmixture(const FigurePlotter& p)
{
    p.repeat(admixtureGrid, 1.0, [&](double x, double y, int, int) { marks::ruledPair(p, x, y, 1.6, 0.5); });
}

void shellAdmixture(const FigurePlotter& p)
{
    p.repeat(admixtureGrid, 1.0, [&](double x, double y, int, int) { marks::shell(p, x, y, 0.75); });
}

void organicAdmixture(const FigurePlotter& p)
{
    p.repeat(admixtureGrid, 1.0, [&](double x, double y, int, int) { marks::tilde(p, x, y, 1.8, 0.35); });
}

void humusAdmixture(const FigurePlotter& p)
{
    p.repeat(admixtureGrid, 1.0, [&](double x, double y, int, int) { marks::humus(p, x, y, 1.2); });
}

void ashAdmixture(const FigurePlotter& p)
{
    p.repeat(admixtureGrid, 1.0, [&](double x, double y, int, int) { marks::ash(p, x, y, 1.2); });
}

void gravelly(const FigurePlotter& p)
{
    p.repeat(qualifierGrid, 1.0, [&](double x, double y, int, int) { p.circle(x, y, 0.5); });
}

void sandy(const FigurePlotter& p)
{
    p.repeat({2.0, 2.0, 0.5, 0.5, true}, 0.5, [&](double x, double y, int, int) { p.dot(x, y, 0.18); });
}

void silty(const FigurePlotter& p)
{
    p.repeat({3.0, 2.0, 0.5, 1.0, true}, 1.0, [&](double x, double y, int, int) { marks::dash(p, x, y, 1.0); });
}

void clayey(const FigurePlotter& p)
{
    p.repeat(qualifierGrid, 1.5, [&](double x, double y, int, int) { marks::dash(p, x, y, 2.4); });
}

void organicQualifier(const FigurePlotter& p)
{
    p.repeat(qualifierGrid, 1.0, [&](double x, double y, int, int) { marks::tilde(p, x, y, 1.6, 0.3); });
}

void gravel(const FigurePlotter& p)
{
    p.repeat({3.0, 3.0, 1.5, 1.5, true}, 1.0,
             [&](double x, double y, int column, int row) { p.circle(x, y, (column + row) & 1 ? 0.6 : 0.85); });
}

void sandyGravel(const FigurePlotter& p)
{
    p.repeat({4.0, 3.0, 2.0, 1.5, true}, 1.0, [&](double x, double y, int, int) { p.circle(x, y, 0.75); });
    p.repeat({2.0, 3.0, 1.0, 0.0, false}, 0.5, [&](double x, double y, int, int) { p.dot(x, y, 0.2); });
}

void sand(const FigurePlotter& p)
{
    p.repeat({1.5, 1.0, 0.75, 0.5, true}, 0.5, [&](double x, double y, int, int) { p.dot(x, y, 0.2); });
}

void silt(const FigurePlotter& p)
{
    p.repeat({2.0, 1.5, 1.0, 0.75, true}, 1.0, [&](double x, double y, int, int) { marks::dash(p, x, y, 1.0); });
}

void clay(const FigurePlotter& p)
{
    p.horizontalLines(1.2, 0.6);
}

void organicSoil(const FigurePlotter& p)
{
    p.horizontalLines(3.0, 0.0);
    p.repeat({4.0, 3.0, 1.0, 1.5, true}, 1.0, [&](double x, double y, int, int) { marks::tilde(p, x, y, 1.6, 0.3); });
}

void loam(const FigurePlotter& p)
{
    p.horizontalDashes(1.5, 0.0, 2.0, 1.0, 1.5);
    p.repeat({3.0, 3.0, 1.5, 0.75, true}, 1.0, [&](double x, double y, int, int) { marks::vee(p, x, y, 0.9, 0.7); });
}

void fill(const FigurePlotter& p)
{
    p.repeat({4.0, 3.0, 2.0, 1.5, true}, 1.0, [&](double x, double y, int, int) { marks::cross(p, x, y, 0.8); });
}

void cobbles(const FigurePlotter& p)
{
    p.repeat({6.0, 6.0, 3.0, 3.0, true}, 2.5, [&](double x, double y, int, int) { p.circle(x, y, 2.2); });
    p.repeat({6.0, 6.0, 0.0, 0.0, true}, 1.0, [&](double x, double y, int, int) { p.circle(x, y, 0.6); });
}

void peat(const FigurePlotter& p)
{
    p.horizontalLines(2.0, 0.0);
    p.repeat({3.0, 2.0, 1.5, 1.0, true}, 1.0, [&](double x, double y, int, int) { marks::tilde(p, x, y, 1.4, 0.28); });
}

void humusSoil(const FigurePlotter& p)
{
    p.horizontalLines(3.0, 0.0);
    p.repeat(betweenLines, 1.0, [&](double x, double y, int, int) { marks::humus(p, x, y, 1.3); });
}

void gravellySoil(const FigurePlotter& p)
{
    p.horizontalLines(3.0, 0.0);
    p.repeat(betweenLines, 1.0, [&](double x, double y, int, int) { p.circle(x, y, 0.6); });
}

void sandySoil(const FigurePlotter& p)
{
    p.horizontalLines(3.0, 0.0);
    p.repeat({1.5, 1.5, 0.75, 0.75, true}, 0.5, [&](double x, double y, int, int) { p.dot(x, y, 0.18); });
}

void cohesiveSoil(const FigurePlotter& p)
{
    p.diagonalLines(2.0, 0.0, true);
}

void volcanicAsh(const FigurePlotter& p)
{
    p.repeat({3.0, 2.0, 1.5, 1.0, true}, 1.0, [&](double x, double y, int, int) { marks::vee(p, x, y, 1.2, 1.0); });
}

void shellBed(const FigurePlotter& p)
{
    p.repeat(betweenLines, 1.0, [&](double x, double y, int, int) { marks::shell(p, x, y, 0.8); });
}

void hardClay(const FigurePlotter& p)
{
    p.horizontalLines(2.0, 0.7);
    p.horizontalLines(2.0, 1.3);
}

void shirasu(const FigurePlotter& p)
{
    p.repeat({1.5, 3.0, 0.75, 0.0, true}, 0.5, [&](double x, double y, int, int) { p.dot(x, y, 0.18); });
    p.repeat(betweenLines, 1.0, [&](double x, double y, int, int) { marks::vee(p, x, y, 1.0, 0.8); });
}

void decomposedGranite(const FigurePlotter& p)
{
    p.repeat({4.0, 3.0, 2.0, 1.5, true}, 1.0, [&](double x, double y, int, int) { marks::plus(p, x, y, 0.55); });
    p.repeat({2.0, 3.0, 1.0, 0.0, true}, 0.5, [&](double x, double y, int, int) { p.dot(x, y, 0.18); });
}

void talus(const FigurePlotter& p)
{
    p.repeat({4.0, 3.0, 2.0, 1.5, true}, 1.5,
             [&](double x, double y, int, int row) { marks::triangle(p, x, y, 1.8, (row & 1) == 0, false); });
    p.repeat({2.0, 3.0, 1.0, 0.0, false}, 0.5, [&](double x, double y, int, int) { p.dot(x, y, 0.18); });
}

// Rubble stones of a harbour mound: four irregular stones in every 12 mm square.
void rubbleMound(const FigurePlotter& p)
{
    static const std::array<std::vector<FigurePoint>, 4> stones{{
        {{0.8, 1.0}, {4.6, 0.6}, {5.6, 3.4}, {3.8, 5.4}, {0.6, 4.6}},
        {{6.6, 0.8}, {11.2, 1.4}, {11.4, 4.8}, {8.4, 5.8}, {6.2, 4.0}},
        {{0.6, 6.4}, {4.2, 6.2}, {5.8, 8.6}, {4.6, 11.4}, {1.0, 11.0}},
        {{7.0, 6.8}, {10.6, 6.4}, {11.6, 9.4}, {9.8, 11.4}, {6.6, 10.6}},
    }};
    // Each square is placed by its centre, so only squares that reach the
    // visible part are drawn.
    p.repeat({12.0, 12.0, 6.0, 6.0, false}, 5.6, [&](double x, double y, int, int) {
        for (const auto& stone : stones) {
            std::vector<FigurePoint> placed;
            for (const FigurePoint& corner : stone)
                placed.push_back({x - 6.0 + corner.x, y - 6.0 + corner.y});
            p.polygon(placed, false);
        }
    });
}

void concrete(const FigurePlotter& p)
{
    p.repeat(betweenLines, 1.0, [&](double x, double y, int, int) { marks::triangle(p, x, y, 1.2, true, false); });
    p.repeat({1.5, 3.0, 0.0, 0.0, true}, 0.5, [&](double x, double y, int, int) { p.dot(x, y, 0.16); });
}

void asphalt(const FigurePlotter& p)
{
    p.diagonalLines(1.2, 0.0, true);
    p.diagonalLines(1.2, 0.0, false);
}

void roadBase(const FigurePlotter& p)
{
    p.repeat({1.5, 1.5, 0.75, 0.75, true}, 0.5, [&](double x, double y, int, int) { p.circle(x, y, 0.4); });
}

void topsoil(const FigurePlotter& p)
{
    p.repeat(betweenLines, 1.0, [&](double x, double y, int, int) { marks::tuft(p, x, y, 1.4); });
}

void cavity(const FigurePlotter& p)
{
    p.line(0.0, 0.0, p.width(), p.height());
    p.line(0.0, p.height(), p.width(), 0.0);
}

void water(const FigurePlotter& p)
{
    p.repeat({4.0, 2.0, 2.0, 1.0, true}, 1.5, [&](double x, double y, int, int) { marks::tilde(p, x, y, 2.4, 0.35); });
}

void embankment(const FigurePlotter& p)
{
    p.horizontalLines(3.0, 0.0);
    p.repeat(betweenLines, 1.0, [&](double x, double y, int, int) { marks::cross(p, x, y, 0.6); });
}

void dredgedSoil(const FigurePlotter& p)
{
    p.waves(3.0, 0.0, 4.0, 0.4);
    p.repeat({2.0, 3.0, 1.0, 1.5, true}, 0.5, [&](double x, double y, int, int) { p.dot(x, y, 0.18); });
}

void improvedGround(const FigurePlotter& p)
{
    p.horizontalLines(3.0, 0.0);
    p.verticalLines(3.0, 0.0);
    p.repeat({3.0, 3.0, 1.5, 1.5, false}, 0.5, [&](double x, double y, int, int) { p.dot(x, y, 0.25); });
}

constexpr VectorFigureEntry figures[] = {
    {1, gravelAdmixture},
    {2, sandAdmixture},
    {3, siltAdmixture},
    {4, clayAdmixture},
    {5, shellAdmixture},
    {6, organicAdmixture},
    {7, humusAdmixture},
    {8, ashAdmixture},
    {10, gravelly},
    {20, sandy},
    {30, silty},
    {40, clayey},
    {50, organicQualifier},
    {100, gravel},
    {200, sandyGravel},
    {300, sand},
    {400, silt},
    {500, clay},
    {600, organicSoil},
    {700, loam},
    {800, fill},
    {900, cobbles},
    {4100, peat},
    {4200, humusSoil},
    {4300, gravellySoil},
    {4400, sandySoil},
    {4500, cohesiveSoil},
    {4600, volcanicAsh},
    {4700, shellBed},
    {4800, hardClay},
    {4900, shirasu},
    {5000, decomposedGranite},
    {5100, talus},
    {5200, rubbleMound},
    {6100, concrete},
    {6200, asphalt},
    {6300, roadBase},
    {6400, topsoil},
    {6800, cavity},
    {6900, water},
    {10091, embankment},
    {10092, dredgedSoil},
    {10093, improvedGround},
};

}  // namespace

std::span<const VectorFigureEntry> soilFigures()
{
    return figures;
}

}  // namespace kolv
