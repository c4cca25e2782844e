#include "pictures/decoding/PngScaledDecoder.h"

#include "pictures/decoding/AreaAverager.h"
#include "pictures/decoding/PictureBounds.h"
#include "pictures/decoding/PngChunks.h"

#include <QScopeGuard>
#include <cstring>
#include <memory>
#include <new>
#include <png.h>
#include <vector>

namespace {

// libpng reports an error by a longjmp to the last setjmp. Only the functions
// below, marked as such, call setjmp, and they hold no object with a
// destructor: a longjmp skips the destructors of the frames it leaves.

struct Source {
    const png_byte* data;
    size_t size;
    size_t at;
};

void readBytes(png_structp png, png_bytep out, size_t count)
{
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (count > source->size - source->at)
        png_error(png, "the file ends early");
    std::memcpy(out, source->data + source->at, count);
    source->at += count;
}

// Errors are answered by a null image, not printed.
[[noreturn]] void stop(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void ignore(png_structp, png_const_charp) { }

struct Header {
    png_uint_32 width;
    png_uint_32 height;
    int storedBits; // a pixel's, as the file stores it
    bool alpha;
    bool interlaced;
};

// Reads up to the pixels and asks for every kind of row as 8-bit RGBA.
[[gnu::noinline]] bool readHeader(png_structp png, png_infop info, Header* header)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    header->storedBits = png_get_bit_depth(png, info) * png_get_channels(png, info);
    png_set_expand(png); // palette to RGB, fewer than 8 bits to 8, a transparent colour to alpha
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    header->interlaced = png_get_interlace_type(png, info) != PNG_INTERLACE_NONE;
    if (header->interlaced)
        png_set_interlace_handling(png);
    png_read_update_info(png, info);
    header->width = png_get_image_width(png, info);
    header->height = png_get_image_height(png, info);
    header->alpha = (png_get_color_type(png, info) & PNG_COLOR_MASK_ALPHA) != 0;
    return png_get_bit_depth(png, info) == 8 && png_get_channels(png, info) == 4
        && png_get_rowbytes(png, info) == size_t(header->width) * 4;
}

[[gnu::noinline]] bool readRowByRow(png_structp png, png_uint_32 height, png_bytep row, AreaAverager* averager)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    for (png_uint_32 y = 0; y < height; ++y) {
        png_read_row(png, row, nullptr);
        averager->add(row);
    }
    return true;
}

[[gnu::noinline]] bool readWhole(png_structp png, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_image(png, rows);
    return true;
}

// Whether `compressed` bytes can hold every pixel the header promises:
// deflate expands at most about 1032 times. A few bytes can claim any size;
// a picture-sized buffer is allocated only for what they can fill.
bool holdsItsPixels(qint64 compressed, const Header& header)
{
    constexpr qint64 deflateMaxRatio = 1032;
    const qint64 pixels = qint64(header.width) * header.height;
    return pixels <= compressed * deflateMaxRatio * 8 / header.storedBits;
}

} // namespace

QImage PngScaledDecoder::decode(const QByteArray& bytes, QSize scaled)
{
    // A chunk claiming more than the file holds would have libpng allocate it.
    const PngChunks chunks(bytes);
    if (scaled.isEmpty() || !chunks.fitTheFile())
        return {};
    Source source { reinterpret_cast<const png_byte*>(bytes.constData()), size_t(bytes.size()), 0 };
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, stop, ignore);
    if (!png)
        return {};
    png_infop info = png_create_info_struct(png);
    const auto destroy = qScopeGuard([&png, &info] { png_destroy_read_struct(&png, &info, nullptr); });
    if (!info)
        return {};
    png_set_read_fn(png, &source, readBytes);
    Header header {};
    if (!readHeader(png, info, &header) || !holdsItsPixels(chunks.compressedBytes(), header))
        return {};
    QImage image(scaled, header.alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.isNull())
        return {};
    AreaAverager averager(QSize(int(header.width), int(header.height)), image);
    const size_t rowBytes = size_t(header.width) * 4;
    if (!header.interlaced) {
        std::vector<png_byte> row(rowBytes);
        return readRowByRow(png, header.height, row.data(), &averager) ? image : QImage();
    }
    // Each pass of an interlaced file spans the whole picture: it is read at
    // full size first, within the bound of what the reader decodes.
    if (qint64(rowBytes) * header.height > PictureBounds::maxDecodedBytes)
        return {};
    const std::unique_ptr<png_byte[]> pixels(new (std::nothrow) png_byte[rowBytes * header.height]);
    if (!pixels)
        return {};
    std::vector<png_bytep> rows(header.height);
    for (png_uint_32 y = 0; y < header.height; ++y)
        rows[y] = pixels.get() + y * rowBytes;
    if (!readWhole(png, rows.data()))
        return {};
    for (png_bytep row : rows)
        averager.add(row);
    return image;
}
