#include "cli/BandedPng.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <csetjmp>
#include <mutex>
#include <png.h>
#include <string>

namespace kolv {

namespace {

// The memory of the bands being drawn, in bytes, shared by every thread.
class BandBudget {
public:
    void take(std::size_t bytes)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        released_.wait(lock, [&] { return used_ + bytes <= bandMemoryBudget || used_ == 0; });
        used_ += bytes;
    }

    void give(std::size_t bytes)
    {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            used_ -= bytes;
        }
        released_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable released_;
    std::size_t used_ = 0;
};

BandBudget& bandBudget()
{
    static BandBudget budget;
    return budget;
}

class BandTaken {
public:
    explicit BandTaken(std::size_t bytes) : bytes_(bytes) { bandBudget().take(bytes_); }
    ~BandTaken() { bandBudget().give(bytes_); }
    BandTaken(const BandTaken&) = delete;
    BandTaken& operator=(const BandTaken&) = delete;

private:
    std::size_t bytes_;
};

void appendBytes(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<QByteArray*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
}

void noFlush(png_structp)
{}

}  // namespace

QByteArray bandedPng(int width, int height, int dotsPerInch, const std::function<void(QPainter&)>& paint)
{
    if (width <= 0 || height <= 0)
        return {};
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    const int bandHeight =
        static_cast<int>(std::clamp<std::size_t>(largestBandBytes / rowBytes, 1, static_cast<std::size_t>(height)));
    const BandTaken taken(rowBytes * static_cast<std::size_t>(bandHeight));
    QImage band(width, bandHeight, QImage::Format_RGB32);
    if (band.isNull())
        return {};
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    band.setDotsPerMeterX(dotsPerMetre);
    band.setDotsPerMeterY(dotsPerMetre);

    QByteArray bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return {};
    }
    // libpng reports a failure by a long jump back here; nothing below owns
    // memory that the jump would leak but the image and the bytes, which
    // are destroyed as usual.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &bytes, appendBytes, noFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_pHYs(png, info, static_cast<png_uint_32>(dotsPerMetre), static_cast<png_uint_32>(dotsPerMetre),
                 PNG_RESOLUTION_METER);
    png_write_info(png, info);
    // A pixel of Format_RGB32 is the word 0xffRRGGBB: in memory B, G, R, then
    // the unused byte on a little-endian machine, the other way round on a
    // big-endian one.
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        png_set_bgr(png);
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    } else {
        png_set_filler(png, 0, PNG_FILLER_BEFORE);
    }
    for (int top = 0; top < height; top += bandHeight) {
        band.fill(Qt::white);
        {
            QPainter painter(&band);
            painter.translate(0, -top);
            paint(painter);
        }
        const int rows = std::min(bandHeight, height - top);
        for (int row = 0; row < rows; ++row)
            png_write_row(png, band.constScanLine(row));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

}  // namespace kolv
