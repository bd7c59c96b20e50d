// Tiling a pattern bitmap down a part of the soil symbol column.
#include "render/BitmapTiling.h"
#include "render/RecordingDevice.h"

#include "PatternTestFolder.h"

#include <gtest/gtest.h>

namespace kolv {
namespace {

using Kind = RecordedPrimitive::Kind;

struct Tile {
    DeviceRect dest;
    DeviceRect source;
};

std::vector<Tile> tilesOf(const RecordingDevice& device)
{
    std::vector<Tile> tiles;
    for (const RecordedPrimitive& bitmap : device.ofKind(Kind::Bitmap))
        tiles.push_back({bitmap.rect, bitmap.source});
    return tiles;
}

void expectRect(const DeviceRect& rect, int left, int top, int right, int bottom)
{
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.right, right);
    EXPECT_EQ(rect.bottom, bottom);
}

TEST(BitmapTiling, WholeTilesFromTheTopThenTheUpperPartOfOneMore)
{
    // A 40-pixel-wide cell and a 32 x 32 bitmap: tiles 40 pixels high; a
    // layer 100 pixels deep shows two whole tiles and the top half of a third.
    RecordingDevice device;
    tileBitmap(device, {10, 200, 50, 300}, test::squareBitmap(32), RasterOperation::Copy);
    const std::vector<Tile> tiles = tilesOf(device);
    ASSERT_EQ(tiles.size(), 3u);
    expectRect(tiles[0].dest, 10, 200, 50, 240);
    expectRect(tiles[1].dest, 10, 240, 50, 280);
    expectRect(tiles[2].dest, 10, 280, 50, 300);
    expectRect(tiles[0].source, 0, 0, 32, 32);
    expectRect(tiles[1].source, 0, 0, 32, 32);
    expectRect(tiles[2].source, 0, 0, 32, 16);
}

TEST(BitmapTiling, ATileTallerThanTheLayerShowsOnlyItsTopAndTheOperationIsKept)
{
    RecordingDevice device;
    tileBitmap(device, {0, 0, 40, 10}, test::bitmapOf(32, 64, [](int, int) { return false; }), RasterOperation::And);
    const std::vector<RecordedPrimitive> bitmaps = device.ofKind(Kind::Bitmap);
    ASSERT_EQ(bitmaps.size(), 1u);
    expectRect(bitmaps[0].rect, 0, 0, 40, 10);
    expectRect(bitmaps[0].source, 0, 0, 32, 8);
    EXPECT_EQ(bitmaps[0].operation, RasterOperation::And);
}

TEST(BitmapTiling, CellsNarrowerThanOneUnitOrTilesOfNoHeightDrawNothing)
{
    // Stacking tiles of no height would never reach the bottom of the layer.
    struct Case {
        const char* name;
        DeviceRect dest;
        int width;
        int height;
    };
    const Case cases[] = {
        {"no width", {10, 0, 10, 500}, 32, 32},
        {"negative width", {10, 0, 9, 500}, 32, 32},
        {"no height", {0, 50, 40, 50}, 32, 32},
        {"tile below one unit", {0, 0, 40, 500}, 100, 1},
    };
    for (const Case& c : cases) {
        RecordingDevice device;
        tileBitmap(device, c.dest, test::bitmapOf(c.width, c.height, [](int, int) { return true; }),
                   RasterOperation::Copy);
        EXPECT_TRUE(device.primitives.empty()) << c.name;
    }
}

TEST(BitmapTiling, AOneUnitTileStillEndsAtTheBottomOfTheDevice)
{
    RecordingDevice device;
    tileBitmap(device, {0, -32767, 1, 32767}, test::squareBitmap(1), RasterOperation::Copy);
    const std::vector<Tile> tiles = tilesOf(device);
    ASSERT_EQ(tiles.size(), 65534u);
    EXPECT_EQ(tiles.back().dest.bottom, 32767);
}

}  // namespace
}  // namespace kolv
