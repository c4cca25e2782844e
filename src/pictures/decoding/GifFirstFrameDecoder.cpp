#include "pictures/decoding/GifFirstFrameDecoder.h"

#include <QtEndian>
#include <array>
#include <cstring>
#include <gif_lib.h>
#include <vector>

namespace {

struct Source {
    const QByteArray& bytes;
    qsizetype position = 0;
    qsizetype heightAt = -1; // where the frame's height is, which giflib is told one row more of
};

// After a frame's last pixel giflib reads on to its block terminator, and
// fails when the file lacks it (a trailer or nothing follows): the same
// failure as a line cut short. Told of one row more than the frame has, it
// stops after the last pixel asked for, so that a frame whose every pixel
// decodes is whole whatever follows it, and one still missing data is
// refused when a read comes up short.
int readBytes(GifFileType* gif, GifByteType* out, int wanted)
{
    auto* source = static_cast<Source*>(gif->UserData);
    const qsizetype from = source->position;
    const int count = int(qMin<qsizetype>(wanted, source->bytes.size() - from));
    std::memcpy(out, source->bytes.constData() + from, size_t(count));
    source->position += count;
    if (source->heightAt >= 0) {
        const auto* height = reinterpret_cast<const uchar*>(source->bytes.constData()) + source->heightAt;
        const quint16 taller = quint16(qFromLittleEndian<quint16>(height) + 1);
        for (qsizetype at = qMax(from, source->heightAt); at < from + count && at < source->heightAt + 2; ++at)
            out[at - from] = GifByteType(taller >> 8 * (at - source->heightAt));
    }
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

// A GIF read up to its first frame's lines.
class FirstFrame {
public:
    explicit FirstFrame(const QByteArray& bytes)
        : m_source { bytes }
    {
        int error = 0;
        m_gif = DGifOpen(&m_source, readBytes, &error);
        m_found = m_gif && findFrame();
    }
    ~FirstFrame()
    {
        int error = 0;
        if (m_gif)
            DGifCloseFile(m_gif, &error);
    }
    FirstFrame(const FirstFrame&) = delete;
    FirstFrame& operator=(const FirstFrame&) = delete;

    bool found() const { return m_found; }
    const GifImageDesc& frame() const { return m_gif->Image; }
    const ColorMapObject* colours() const { return frame().ColorMap ? frame().ColorMap : m_gif->SColorMap; }
    // The screen's background colour, which only the screen's own map names.
    QRgb background() const
    {
        const ColorMapObject* map = m_gif->SColorMap;
        if (!map || m_gif->SBackGroundColor >= map->ColorCount)
            return qRgb(0, 0, 0);
        const GifColorType& colour = map->Colors[m_gif->SBackGroundColor];
        return qRgb(colour.Red, colour.Green, colour.Blue);
    }
    int transparent() const { return m_transparent; }

    // Hands every line of the frame to `take(row, line)` in the order they are
    // stored; false when one can't be read.
    template <typename Take> bool readLines(Take take)
    {
        std::vector<GifPixelType> line(size_t(frame().Width));
        for (int row : storedRows(frame().Height, frame().Interlace)) {
            if (DGifGetLine(m_gif, line.data(), frame().Width) != GIF_OK)
                return false;
            take(row, line.data());
        }
        return true;
    }

private:
    bool findFrame()
    {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        while (DGifGetRecordType(m_gif, &record) == GIF_OK) {
            if (record == IMAGE_DESC_RECORD_TYPE)
                return readImageDesc() && frame().Width > 0 && frame().Height > 0 && dataCanFillFrame();
            if (record != EXTENSION_RECORD_TYPE)
                return false;
            int code = 0;
            GifByteType* extension = nullptr;
            if (DGifGetExtension(m_gif, &code, &extension) != GIF_OK)
                return false;
            if (code == GRAPHICS_EXT_FUNC_CODE)
                m_transparent = transparentIndex(extension);
            while (extension)
                if (DGifGetExtensionNext(m_gif, &extension) != GIF_OK)
                    return false;
        }
        return false;
    }

    // The frame's descriptor, giflib told of one row more (see readBytes),
    // which the frame itself does not have; the tallest frame is read as it is.
    bool readImageDesc()
    {
        // After the separator: left, top, width and height, two bytes each.
        const qsizetype heightAt = m_source.position + 6;
        const bool taller = heightAt + 2 <= m_source.bytes.size()
            && qFromLittleEndian<quint16>(m_source.bytes.constData() + heightAt) < 0xffff;
        m_source.heightAt = taller ? heightAt : -1;
        const bool read = DGifGetImageDesc(m_gif) == GIF_OK;
        m_source.heightAt = -1;
        if (read && taller)
            --m_gif->Image.Height;
        return read;
    }

    // Whether the bytes after the frame's descriptor can hold all its lines,
    // so that a few bytes claiming a large frame are refused before a canvas
    // is sized for it: a code of n bits gives at most 2^n pixels, so at most
    // 4096 for 12 bits, the widest.
    bool dataCanFillFrame() const
    {
        const qint64 pixels = qint64(frame().Width) * frame().Height;
        return pixels <= qint64(m_source.bytes.size() - m_source.position) * 8 * 4096 / 12;
    }

    Source m_source;
    GifFileType* m_gif = nullptr;
    int m_transparent = -1;
    bool m_found = false;
};

} // namespace

QImage GifFirstFrameDecoder::decode(const QByteArray& bytes, QSize canvasSize)
{
    FirstFrame first(bytes);
    if (!first.found())
        return {};
    // Drawn in the format it is scaled in, so that scaling makes no full-size copy.
    const bool transparent = first.transparent() >= 0;
    QImage canvas(canvasSize, transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (canvas.isNull())
        return {};
    // Opaque colours are premultiplied as they are; a colour the map lacks
    // (or a file without one) shows nothing, black where nothing is opaque.
    std::vector<QRgb> palette(256, transparent ? qRgba(0, 0, 0, 0) : qRgb(0, 0, 0));
    if (const ColorMapObject* colours = first.colours()) {
        for (int i = 0; i < colours->ColorCount && i < 256; ++i)
            palette[size_t(i)] = qRgb(colours->Colors[i].Red, colours->Colors[i].Green, colours->Colors[i].Blue);
    }
    if (transparent)
        palette[size_t(first.transparent())] = qRgba(0, 0, 0, 0);

    const GifImageDesc& frame = first.frame();
    // Where the frame draws nothing: its transparent colour, else the screen's background.
    if (QRect(frame.Left, frame.Top, frame.Width, frame.Height) != canvas.rect())
        canvas.fill(transparent ? qRgba(0, 0, 0, 0) : first.background());
    const int left = qMin(frame.Left, canvas.width());
    const int visible = qMax(0, qMin(frame.Width, canvas.width() - left));
    const bool whole = first.readLines([&](int row, const GifPixelType* line) {
        const int y = frame.Top + row;
        if (y >= canvas.height())
            return;
        auto* out = reinterpret_cast<QRgb*>(canvas.scanLine(y)) + left;
        for (int x = 0; x < visible; ++x)
            out[x] = palette[line[x]];
    });
    return whole ? canvas : QImage();
}
