#include "render/QtPainterDevice.h"
#include "support/TestSupport.h"

#include "DeviceTestApplication.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace kolv {
namespace {

constexpr int side = 100;

// An 8 x 8 monochrome bitmap, black where black(x, y).
MonochromeBitmap bitmapOf(const std::function<bool(int, int)>& black)
{
    MonochromeBitmap bitmap;
    bitmap.width = 8;
    bitmap.height = 8;
    bitmap.stride = 4;
    bitmap.bits.assign(32, 0xFF);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (black(x, y))
                bitmap.bits[y * 4 + x / 8] &= static_cast<std::uint8_t>(~(0x80 >> (x % 8)));
    return bitmap;
}

// A base pattern (a black band down the left quarter) and an overlay (a
// black band across the top quarter) laid over it with AND.
void drawBaseAndOverlay(QPainter& painter)
{
    QtPainterDevice device(painter);
    const DeviceRect cell{10, 10, 90, 90};
    device.stretchBitmap(cell, bitmapOf([](int x, int) { return x < 2; }), 0, 0, 8, 8, RasterOperation::Copy);
    device.stretchBitmap(cell, bitmapOf([](int, int y) { return y < 2; }), 0, 0, 8, 8, RasterOperation::And);
}

bool isBlack(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 80;
}

bool isWhite(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) > 200;
}

void expectBothPatternsVisible(const QImage& image)
{
    ASSERT_EQ(image.size(), QSize(side, side));
    EXPECT_TRUE(isBlack(image, 15, 60)) << "the base band under the overlay's white";
    EXPECT_TRUE(isBlack(image, 60, 15)) << "the overlay band over the base's white";
    EXPECT_TRUE(isWhite(image, 60, 60));
    EXPECT_TRUE(isWhite(image, 5, 5)) << "outside the cell";
}

QImage whiteImage()
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TEST(PainterDevice, AndOverlayKeepsTheBasePatternOnAnImage)
{
    test::ensureGuiApplication();
    QImage image = whiteImage();
    {
        QPainter painter(&image);
        drawBaseAndOverlay(painter);
    }
    expectBothPatternsVisible(image);
}

// What the drawing gives when written as SVG and read back onto a white
// image; a null image when the SVG cannot be read.
QImage throughSvg(const std::function<void(QPainter&)>& draw)
{
    QByteArray svg;
    {
        QBuffer buffer(&svg);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(side, side));
        generator.setViewBox(QRect(0, 0, side, side));
        QPainter painter(&generator);
        draw(painter);
    }
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    QImage image = whiteImage();
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    return image;
}

TEST(PainterDevice, AndOverlayKeepsTheBasePatternInSvg)
{
    test::ensureGuiApplication();
    const QImage image = throughSvg(drawBaseAndOverlay);
    ASSERT_FALSE(image.isNull());
    expectBothPatternsVisible(image);
}

// QSvgGenerator writes no clip paths: the device clips an SVG page itself,
// so a rule, a shape or a text drawn under the clip shows only inside it, as
// on an image.
TEST(PainterDevice, AnSvgPageShowsNothingOutsideTheClip)
{
    test::ensureGuiApplication();
    const auto drawAcrossTheClip = [](QPainter& painter) {
        QtPainterDevice device(painter);
        device.setClip({20, 20, 80, 80});
        device.drawLine({0, 50}, {side, 50}, Pen{PenStyle::Solid, 3, 0});
        device.drawLine({50, 0}, {50, 10}, Pen{PenStyle::Solid, 3, 0});
        const ColorRef black = 0;
        device.drawEllipse({60, 60, 100, 100}, Pen{PenStyle::Solid, 1, 0}, &black);
        device.setFont(FontRequest{});
        device.drawText({70, 0}, "WWWW", TextAlign::Left | TextAlign::Top);
        device.drawText({10, 72}, "WWWWWWWWWW", TextAlign::Left | TextAlign::Top);
        device.resetClip();
    };
    const QImage image = throughSvg(drawAcrossTheClip);
    ASSERT_FALSE(image.isNull());
    int outside = 0;
    int inside = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const bool dark = qGray(image.pixel(x, y)) < 128;
            // A rule cut at the edge keeps its square cap: half its width beyond.
            const bool inClip = x >= 18 && x <= 82 && y >= 18 && y <= 82;
            (inClip ? inside : outside) += dark ? 1 : 0;
        }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(inside, 60);  // the rule's part inside, a quarter of the disc
}

TEST(PainterDevice, AndOverlayKeepsTheBasePatternInPdf)
{
    test::ensureGuiApplication();
    if (std::system("command -v pdftoppm > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftoppm (poppler-utils, installed by tools/setup.sh) is needed to look at a PDF";
    test::TemporaryFolder folder;
    const std::string pdf = folder.file("overlay.pdf");
    {
        QPdfWriter writer(QString::fromStdString(pdf));
        writer.setResolution(72);
        writer.setPageSize(QPageSize(QSizeF(side, side), QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        drawBaseAndOverlay(painter);
    }
    const std::string command = "pdftoppm -r 72 -png -singlefile '" + pdf + "' '" + folder.file("page") + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    expectBothPatternsVisible(QImage(QString::fromStdString(folder.file("page.png"))));
}

// Filled discs of the figures in several sizes and pen widths, one per cell
// of a 4 x 4 grid, and one disc filled in another colour than its outline.
void drawDiscs(QPainter& painter)
{
    QtPainterDevice device(painter);
    const int sizes[] = {1, 3, 8, 14};
    const int penWidths[] = {1, 2, 3, 5};
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            const int size = sizes[column];
            const int left = column * 25 + 12 - size / 2;
            const int top = row * 25 + 12 - size / 2;
            const Pen pen{PenStyle::Solid, penWidths[row], 0};
            const ColorRef fill = row == 3 && column == 3 ? 0x00ffffff : pen.color;
            device.drawEllipse({left, top, left + size, top + size}, pen, &fill);
        }
}

// The ink of each cell: its bounding box of dark pixels and whether its
// centre is dark.
struct CellInk {
    int left = 25;
    int top = 25;
    int right = -1;
    int bottom = -1;
    bool darkCentre = false;
};

CellInk inkOf(const QImage& image, int row, int column)
{
    CellInk ink;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x)
            if (qGray(image.pixel(column * 25 + x, row * 25 + y)) < 128) {
                ink.left = std::min(ink.left, x);
                ink.top = std::min(ink.top, y);
                ink.right = std::max(ink.right, x);
                ink.bottom = std::max(ink.bottom, y);
            }
    ink.darkCentre = qGray(image.pixel(column * 25 + 12, row * 25 + 12)) < 128;
    return ink;
}

// A PDF writes discs more briefly than as curves; the page must show every
// disc where, and as large as, an image shows it.
TEST(PainterDevice, DiscsInPdfCoverWhatTheyCoverOnAnImage)
{
    test::ensureGuiApplication();
    if (std::system("command -v pdftoppm > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftoppm (poppler-utils, installed by tools/setup.sh) is needed to look at a PDF";
    test::TemporaryFolder folder;
    const std::string pdf = folder.file("discs.pdf");
    {
        QPdfWriter writer(QString::fromStdString(pdf));
        writer.setResolution(72);
        writer.setPageSize(QPageSize(QSizeF(side, side), QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        drawDiscs(painter);
    }
    const std::string command = "pdftoppm -r 72 -png -singlefile '" + pdf + "' '" + folder.file("page") + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const QImage page(QString::fromStdString(folder.file("page.png")));
    QImage image = whiteImage();
    {
        QPainter painter(&image);
        drawDiscs(painter);
    }
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            const CellInk expected = inkOf(image, row, column);
            const CellInk actual = inkOf(page, row, column);
            ASSERT_GE(expected.right, expected.left) << row << "," << column;
            ASSERT_GE(actual.right, actual.left) << "no disc at " << row << "," << column;
            EXPECT_NEAR(actual.left, expected.left, 1) << row << "," << column;
            EXPECT_NEAR(actual.top, expected.top, 1) << row << "," << column;
            EXPECT_NEAR(actual.right, expected.right, 1) << row << "," << column;
            EXPECT_NEAR(actual.bottom, expected.bottom, 1) << row << "," << column;
            EXPECT_EQ(actual.darkCentre, expected.darkCentre) << row << "," << column;
        }
}

TEST(PainterDevice, BitmapsOutsideTheClipOrWithALyingSizeDrawNothing)
{
    test::ensureGuiApplication();
    QImage image = whiteImage();
    {
        QPainter painter(&image);
        QtPainterDevice device(painter);
        MonochromeBitmap lying = bitmapOf([](int, int) { return true; });
        lying.height = 4000;  // far more rows than its bits hold
        device.stretchBitmap({0, 0, side, side}, lying, 0, 0, 8, 4000, RasterOperation::Copy);
        MonochromeBitmap narrow = bitmapOf([](int, int) { return true; });
        narrow.stride = 0;
        device.stretchBitmap({0, 0, side, side}, narrow, 0, 0, 8, 8, RasterOperation::Copy);
        device.setClip({0, 0, 50, side});
        device.stretchBitmap({60, 0, 90, side}, bitmapOf([](int, int) { return true; }), 0, 0, 8, 8,
                             RasterOperation::Copy);
        // A source part beyond the bitmap is cut to the bitmap.
        device.stretchBitmap({0, 0, 40, 40}, bitmapOf([](int, int) { return true; }), 6, 6, 50, 50,
                             RasterOperation::Copy);
    }
    EXPECT_TRUE(isBlack(image, 20, 20));
    EXPECT_TRUE(isWhite(image, 45, 45));
    EXPECT_TRUE(isWhite(image, 75, 50));
}

TEST(PainterDevice, PenWidthZeroDrawsNothingAndTextFollowsItsAlignment)
{
    test::ensureGuiApplication();
    QImage image = whiteImage();
    {
        QPainter painter(&image);
        QtPainterDevice device(painter);
        device.drawLine({0, 10}, {side, 10}, Pen{PenStyle::Solid, 0, 0});
        FontRequest font;
        font.face = test::sjis("ＭＳ 明朝");
        font.height = 20;
        font.color = 0x0000ff;  // red as COLORREF
        device.setFont(font);
        device.drawText({50, 50}, test::sjis("砂礫"), TextAlign::Right | TextAlign::Bottom);
    }
    bool redInkLeftAbove = false;
    bool inkElsewhere = false;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel == QColor(Qt::white))
                continue;
            if (x > 51 || y > 51)
                inkElsewhere = true;
            else if (pixel.red() > 150 && pixel.blue() < 100)
                redInkLeftAbove = true;
        }
    EXPECT_TRUE(redInkLeftAbove);
    EXPECT_FALSE(inkElsewhere);
    EXPECT_EQ(image.pixelColor(30, 10), QColor(Qt::white));
}

}  // namespace
}  // namespace kolv
