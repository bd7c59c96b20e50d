// A layer whose code lays an overlay bitmap over its base, drawn into a PDF
// through the QPainter device: PDF ignores raster operations, yet base and
// overlay must both be visible where the page is rasterised.
#include "render/LogPrimitives.h"
#include "render/PatternFill.h"
#include "render/QtPainterDevice.h"
#include "render/SoilColumn.h"
#include "settings/SettingsFile.h"

#include "DeviceTestApplication.h"
#include "PatternTestFolder.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <cstdlib>

namespace kolv {
namespace {

constexpr int pdfResolution = 600;
constexpr int rasterResolution = 100;

int averageGrey(const QImage& image, int x, int y)
{
    int sum = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            sum += qGray(image.pixel(x + dx, y + dy));
    return sum / 9;
}

TEST(SoilColumnPdf, BaseAndOverlayBitmapsAreBothVisible)
{
    test::ensureGuiApplication();
    if (std::system("command -v pdftoppm > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftoppm (poppler-utils, installed by tools/setup.sh) is needed to look at a PDF";

    LogSettings settings;
    applySettingsDefaults(settings);
    settings.depthPerPage = 10;
    settings.patternMode = PatternMode::BitmapOnly;
    for (FontSlot& slot : settings.fontSlots) {
        slot.size = 8.0;
        slot.face = "font";
    }
    const test::PatternTestFolder patterns(settings);
    // The base J1100 is black on its left half, the overlay J50 on its top half.
    patterns.addBitmap(1100, test::bitmapOf(8, 8, [](int x, int) { return x < 4; }));
    patterns.addBitmap(50, test::bitmapOf(8, 8, [](int, int y) { return y < 4; }));
    BoringData data;
    clear(data);
    data.layerRows.setCell(1, 1, "3.00");
    data.layerRows.setCell(1, 5, "1150");

    test::TemporaryFolder folder;
    const std::string pdf = folder.file("layer.pdf");
    LogMapping mapping;
    DeviceRect tile;
    {
        QPdfWriter writer(QString::fromStdString(pdf));
        writer.setResolution(pdfResolution);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        QtPainterDevice device(painter);
        DrawContext context(device, mapping, data, settings);
        preparePage(context, 0.0, 1);
        mapping.useBody(0.0);
        drawLayers(context);
        // The first tile: one unit right of the column's rule, as wide as
        // the column less one unit, square like the bitmaps.
        tile.left = mapping.toDeviceX(context.columnX[4]) + 1;
        tile.top = mapping.toDeviceY(0.0);
        tile.right = mapping.toDeviceX(context.columnX[4]) + static_cast<int>(mapping.unitX * 12.0);
        tile.bottom = tile.top + (tile.right - tile.left);
    }
    const std::string command = "pdftoppm -r " + std::to_string(rasterResolution) + " -png -singlefile '" + pdf + "' '"
        + folder.file("page") + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const QImage page(QString::fromStdString(folder.file("page.png")));
    ASSERT_FALSE(page.isNull());

    const double scale = double(rasterResolution) / pdfResolution;
    auto quarter = [&](int column, int row) {
        const double x = tile.left + (tile.right - tile.left) * (2 * column + 1) / 4.0;
        const double y = tile.top + (tile.bottom - tile.top) * (2 * row + 1) / 4.0;
        return averageGrey(page, static_cast<int>(x * scale), static_cast<int>(y * scale));
    };
    EXPECT_LT(quarter(0, 0), 100) << "base and overlay";
    EXPECT_LT(quarter(1, 0), 100) << "the overlay alone";
    EXPECT_LT(quarter(0, 1), 100) << "the base alone: the overlay must not cover it";
    EXPECT_GT(quarter(1, 1), 200) << "neither";
}

}  // namespace
}  // namespace kolv
