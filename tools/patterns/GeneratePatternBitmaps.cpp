// Generates the monochrome pattern bitmaps of an installation folder from the
// vector figures, so that the bitmap patterns draw the same symbols:
//
//   kolv-pattern-bitmaps INSTALL_DIR
//
// writes INSTALL_DIR/Jbptn/J<n>.BMP and INSTALL_DIR/Jbptn01/J<n>.BMP for every
// number of the vector table, and for every whole name (10100-19999) of the
// bitmap set of INSTALL_DIR/WdtvJCA.mst a bitmap composed of the name's vector
// pattern with an overlay that tells it apart from the plain base pattern.
#include "platform/FileIo.h"
#include "render/BitmapFile.h"
#include "render/QtPainterDevice.h"
#include "render/VectorFigures.h"
#include "settings/SoilNameMasterFile.h"

#include <QImage>
#include <QPainter>

#include <cstdio>
#include <functional>
#include <string>
#include <sys/stat.h>

using namespace kolv;

namespace {

// One tile is 12 mm square (the width of the soil symbol column at 1:100)
// at 8 pixels per millimetre.
constexpr int pixelsPerMillimetre = 8;
constexpr int tileMillimetres = 12;
constexpr int tilePixels = tileMillimetres * pixelsPerMillimetre;
// Grey levels below this are ink.
constexpr int inkGrey = 160;

constexpr long firstWholeNumber = 10100;
constexpr long lastWholeNumber = 19999;

using TileDrawing = std::function<void(const FigurePlotter&)>;

// The void's cross spans the whole cell it fills; as a tile it is drawn
// inside a 1 mm margin, so stacked tiles read as crosses, not a lattice.
constexpr long cavity = 6800;

// Draws the figure over three by three tiles and keeps the middle one: every
// spacing of the figures divides 12 mm, so marks cut at the tile's edges
// continue on the next tile and the bitmap repeats seamlessly.
MonochromeBitmap renderTile(const TileDrawing& drawing, bool insideMargin = false)
{
    QImage image(3 * tilePixels, 3 * tilePixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QtPainterDevice device(painter);
        FigureFrame frame;
        frame.unitX = frame.unitY = pixelsPerMillimetre;
        frame.cell = {0, 0, image.width(), image.height()};
        if (insideMargin) {
            const int near = tilePixels + pixelsPerMillimetre;
            const int far = 2 * tilePixels - pixelsPerMillimetre;
            frame.originX = frame.originY = near;
            frame.cell = {near, near, far, far};
        }
        const FigurePlotter plotter(device, frame, Pen{PenStyle::Solid, 1, 0});
        drawing(plotter);
    }
    MonochromeBitmap tile;
    tile.width = tile.height = tilePixels;
    tile.stride = (tilePixels + 31) / 32 * 4;
    tile.bits.assign(static_cast<std::size_t>(tile.stride) * tilePixels, 0);
    for (int y = 0; y < tilePixels; ++y)
        for (int x = 0; x < tilePixels; ++x)
            if (qGray(image.pixel(tilePixels + x, tilePixels + y)) >= inkGrey)
                tile.bits[static_cast<std::size_t>(y) * tile.stride + x / 8] |=
                    static_cast<std::uint8_t>(0x80 >> (x % 8));
    return tile;
}

// The overlays that tell whole names apart from their base pattern: sparse
// line families and boxes, 6 mm apart for the first six names, 12 mm for the
// next six, and so on.
void drawWholeNameOverlay(const FigurePlotter& plotter, int index)
{
    const double spacing = index / 6 % 2 == 0 ? 6.0 : 12.0;
    switch (index % 6) {
    case 0:
        plotter.diagonalLines(spacing, 0.0, true);
        break;
    case 1:
        plotter.diagonalLines(spacing, 0.0, false);
        break;
    case 2:
        plotter.verticalLines(spacing, spacing / 2);
        break;
    case 3:
        plotter.repeat({spacing, spacing, spacing / 2, spacing / 2, false}, 1.0, [&](double x, double y, int, int) {
            plotter.polygon({{x - 0.9, y - 0.9}, {x + 0.9, y - 0.9}, {x + 0.9, y + 0.9}, {x - 0.9, y + 0.9}}, false);
        });
        break;
    case 4:
        plotter.diagonalLines(spacing * 2, 0.0, true);
        plotter.diagonalLines(spacing * 2, 0.0, false);
        break;
    default:
        plotter.repeat({spacing, spacing, spacing / 2, spacing / 2, false}, 1.0,
                       [&](double x, double y, int, int) { plotter.dot(x, y, 0.45); });
        break;
    }
}

bool writeBitmap(const std::string& folder, long number, const MonochromeBitmap& bitmap)
{
    const std::string path = folder + "/J" + std::to_string(number) + ".BMP";
    if (writeFileAtomically(path, encodeBitmap(bitmap)))
        return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kolv-pattern-bitmaps INSTALL_DIR\n");
        return 2;
    }
    const std::string installFolder = argv[1];
    const std::string folders[] = {installFolder + "/Jbptn", installFolder + "/Jbptn01"};
    for (const std::string& folder : folders)
        mkdir(folder.c_str(), 0755);

    bool ok = true;
    int written = 0;
    auto writeBoth = [&](long number, const MonochromeBitmap& tile) {
        for (const std::string& folder : folders)
            ok = writeBitmap(folder, number, tile) && ok;
        ++written;
    };

    for (const long number : vectorFigureNumbers()) {
        writeBoth(
            number,
            renderTile([&](const FigurePlotter& plotter) { drawVectorFigure(plotter, number); }, number == cavity));
    }

    std::string masterBytes;
    if (!readFileBytes(installFolder + "/WdtvJCA.mst", masterBytes)) {
        std::fprintf(stderr, "cannot read %s/WdtvJCA.mst\n", installFolder.c_str());
        return 1;
    }
    SoilNameMaster vectorSet;
    SoilNameMaster bitmapSet;
    readSoilNameMaster(vectorSet, masterBytes, 0);
    readSoilNameMaster(bitmapSet, masterBytes, 1);
    const int sectionOneLast = bitmapSet.lastRow[1][1];
    int wholeIndex = 0;
    for (int row = bitmapSet.firstRow[1][1]; row >= 1 && row <= sectionOneLast; ++row) {
        const long number = bitmapSet.rows[row - 1].patternNumber[1];
        if (number < firstWholeNumber || number > lastWholeNumber)
            continue;
        const long base = vectorSet.rows[row - 1].patternNumber[0];
        const int index = wholeIndex++;
        writeBoth(number, renderTile([&](const FigurePlotter& plotter) {
                      drawVectorFigure(plotter, base);
                      drawWholeNameOverlay(plotter, index);
                  }));
    }
    std::printf("%d bitmaps in %s and %s\n", written, folders[0].c_str(), folders[1].c_str());
    return ok ? 0 : 1;
}
