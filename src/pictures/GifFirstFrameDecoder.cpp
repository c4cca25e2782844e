#include "pictures/GifFirstFrameDecoder.h"

#include <QScopeGuard>
#include <array>
#include <cstring>
#include <gif_lib.h>
#include <vector>

namespace {

struct Source {
    const QByteArray& bytes;
    qsizetype position = 0;
};

int readBytes(GifFileType* gif, GifByteType* out, int wanted)
{
    auto* source = static_cast<Source*>(gif->UserData);
    const int count = int(qMin<qsizetype>(wanted, source->bytes.size() - source->position));
    std::memcpy(out, source->bytes.constData() + source->position, size_t(count));
    source->position += count;
    return count;
}

// The transparent colour index a graphic control extension names, or -1.
int transparentIndex(const GifByteType* extension)
{
    return extension && extension[0] >= 4 && (extension[1] & 1) ? extension[4] : -1;
}

// The frame's rows in the order they are stored: interlaced frames hold
// every 8th row, then the 4th, 2nd and odd ones.
std::vector<int> storedRows(int height, bool interlaced)
{
    std::vector<int> rows;
    rows.reserve(size_t(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    constexpr std::array<std::pair<int, int>, 4> passes { { { 0, 8 }, { 4, 8 }, { 2, 4 }, { 1, 2 } } };
    for (const auto& [first, step] : passes)
        for (int y = first; y < height; y += step)
            rows.push_back(y);
    return rows;
}

QImage drawFrame(GifFileType* gif, QSize canvasSize, int transparent)
{
    if (DGifGetImageDesc(gif) != GIF_OK)
        return {};
    const GifImageDesc& frame = gif->Image;
    const ColorMapObject* colours = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!colours || frame.Width <= 0 || frame.Height <= 0)
        return {};
    QImage canvas(canvasSize, QImage::Format_ARGB32);
    if (canvas.isNull())
        return {};
    canvas.fill(Qt::transparent);
    std::vector<QRgb> palette(256, 0);
    for (int i = 0; i < colours->ColorCount && i < 256; ++i)
        palette[size_t(i)] = qRgb(colours->Colors[i].Red, colours->Colors[i].Green, colours->Colors[i].Blue);
    if (transparent >= 0)
        palette[size_t(transparent)] = 0;

    std::vector<GifPixelType> line(size_t(frame.Width));
    const int left = qMin(frame.Left, canvas.width());
    const int visible = qMax(0, qMin(frame.Width, canvas.width() - left));
    for (int row : storedRows(frame.Height, frame.Interlace)) {
        if (DGifGetLine(gif, line.data(), frame.Width) != GIF_OK)
            break;
        const int y = frame.Top + row;
        if (y >= canvas.height())
            continue;
        auto* out = reinterpret_cast<QRgb*>(canvas.scanLine(y)) + left;
        for (int x = 0; x < visible; ++x)
            out[x] = palette[line[size_t(x)]];
    }
    return transparent >= 0 ? canvas : canvas.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage GifFirstFrameDecoder::decode(const QByteArray& bytes, QSize canvas)
{
    Source source { bytes };
    int error = 0;
    GifFileType* gif = DGifOpen(&source, readBytes, &error);
    if (!gif)
        return {};
    const auto close = qScopeGuard([gif, &error] { DGifCloseFile(gif, &error); });
    int transparent = -1;
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    while (DGifGetRecordType(gif, &record) == GIF_OK) {
        if (record == IMAGE_DESC_RECORD_TYPE)
            return drawFrame(gif, canvas, transparent);
        if (record != EXTENSION_RECORD_TYPE)
            return {};
        int code = 0;
        GifByteType* extension = nullptr;
        if (DGifGetExtension(gif, &code, &extension) != GIF_OK)
            return {};
        if (code == GRAPHICS_EXT_FUNC_CODE)
            transparent = transparentIndex(extension);
        while (extension)
            if (DGifGetExtensionNext(gif, &extension) != GIF_OK)
                return {};
    }
    return {};
}
