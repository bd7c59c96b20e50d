#include "render/QtPainterDevice.h"
#include "support/TestSupport.h"

#include "DeviceTestApplication.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace kolv {
namespace {

TEST(FontSubstitution, WindowsMinchoFacesResolveToIpaMincho)
{
    test::ensureGuiApplication();
    QImage image(10, 10, QImage::Format_RGB32);
    struct Case {
        const char* face;
        const char* family;
    };
    const Case cases[] = {
        {"ＭＳ 明朝", "IPAMincho"},
        {"ＭＳ Ｐ明朝", "IPAPMincho"},
        {"MS Mincho", "IPAMincho"},
        {"MS PMincho", "IPAPMincho"},
    };
    for (const Case& c : cases) {
        FontRequest request;
        request.face = test::sjis(c.face);
        request.height = 16;
        EXPECT_EQ(QFontInfo(qtFontOf(request, &image)).family(), QString::fromUtf8(c.family)) << c.face;
    }
}

TEST(FontSubstitution, HeightsAreCellHeightsInDevicePixels)
{
    test::ensureGuiApplication();
    struct Case {
        int dotsPerInch;
        double points;
    };
    for (const Case c : {Case{96, 8.0}, Case{150, 10.0}, Case{600, 7.0}}) {
        QImage image(10, 10, QImage::Format_RGB32);
        image.setDotsPerMeterX(static_cast<int>(c.dotsPerInch / 0.0254 + 0.5));
        image.setDotsPerMeterY(static_cast<int>(c.dotsPerInch / 0.0254 + 0.5));
        QPainter painter(&image);
        QtPainterDevice device(painter);
        ASSERT_EQ(device.dotsPerInchY(), c.dotsPerInch);
        FontRequest request;
        request.face = test::sjis("ＭＳ 明朝");
        request.height = static_cast<int>(c.dotsPerInch * c.points / 72);
        device.setFont(request);
        EXPECT_NEAR(device.textMetrics().height, request.height, 1 + request.height / 50) << c.dotsPerInch;
        // A full-width character is about as wide as the font is high.
        EXPECT_NEAR(device.textExtent(test::sjis("砂")).x, request.height, 1 + request.height / 10);
    }
}

}  // namespace
}  // namespace kolv
