#include "pictures/decoding/BmpBandDecoder.h"

#include "pictures/decoding/AreaAverager.h"
#include "pictures/decoding/BmpHeader.h"
#include "pictures/decoding/BmpRleDecoder.h"
#include "pictures/decoding/PictureBounds.h"

#include <QPainter>
#include <QtEndian>
#include <functional>
#include <vector>

namespace {

constexpr qint64 bandBytes = 16 << 20; // decoded, at four bytes a pixel

// Rows [first, first + count) of the picture, top down, as Qt's reader decodes them.
using RowSource = std::function<QImage(int first, int count)>;

// Whether the file holds every row of a plain picture (the last one may lack
// its padding); in quotients, as the product of a header's claims may not fit
// in 64 bits.
bool holdsItsRows(const QByteArray& bytes, const BmpHeader& header)
{
    const qint64 after = bytes.size() - header.pixelsAt;
    return after >= header.rowBytes() && header.rows - 1 <= (after - header.rowBytes()) / header.stride();
}

// A file and a 40-byte info header for an OS/2 picture's bands, with its
// palette in four-byte entries: Qt's reader takes OS/2's 16-bit sizes as
// signed, which a band of more than 32767 rows or as wide would exceed.
QByteArray windowsHeader(const BmpHeader& header)
{
    const qsizetype colours = header.bits <= 8 ? qsizetype(1) << header.bits : 0;
    QByteArray out(14 + 40 + 4 * colours, '\0');
    auto* data = reinterpret_cast<uchar*>(out.data());
    out[0] = 'B';
    out[1] = 'M';
    qToLittleEndian<quint32>(quint32(out.size()), data + 10); // where the pixels start
    qToLittleEndian<quint32>(40, data + 14);
    qToLittleEndian<qint32>(header.width, data + 18);
    qToLittleEndian<quint16>(1, data + 26); // planes
    qToLittleEndian<quint16>(quint16(header.bits), data + 28);
    qToLittleEndian<quint32>(quint32(colours), data + 46);
    // Indexes the palette does not name show black.
    for (qsizetype i = 0; i < colours && i < header.colours.size(); ++i)
        qToLittleEndian<quint32>(header.colours[i] & 0xffffff, data + 54 + 4 * i);
    return out;
}

// Rows [first, first + count) of a plain picture, top down, as a BMP of their
// own: the file itself for all of them, when it holds them as Qt's reader reads them.
QByteArray band(const QByteArray& bytes, const BmpHeader& header, int first, int count)
{
    if (count == header.rows && !header.os2 && bytes.size() - header.pixelsAt >= count * header.stride())
        return bytes;
    const int stored = header.bottomUp ? header.rows - first - count : first;
    QByteArray out = header.os2 ? windowsHeader(header) : bytes.left(header.pixelsAt);
    const qsizetype pixelsAt = out.size();
    out += bytes.mid(header.pixelsAt + stored * header.stride(), count * header.stride());
    // The last row's padding, which the file may lack: Qt's reader reads whole stored rows.
    out.resize(pixelsAt + count * header.stride(), '\0');
    auto* data = reinterpret_cast<uchar*>(out.data());
    qToLittleEndian<quint32>(quint32(out.size()), data + 2);
    qToLittleEndian<qint32>(header.bottomUp ? count : -count, data + 22);
    qToLittleEndian<quint32>(quint32(count * header.stride()), data + 34);
    return out;
}

QImage in32Bits(const QImage& image)
{
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

QImage scaleInBands(QSize picture, QSize size, const RowSource& rowsOf)
{
    // At its own size the picture is read in one band: the result holds it
    // whole anyway, and bands would only be copied into it.
    if (size == picture) {
        const QImage rows = rowsOf(0, picture.height());
        return rows.isNull() ? rows : in32Bits(rows);
    }
    const qint64 rowsPerBand = qMax(qint64(1), bandBytes / (qint64(picture.width()) * 4));
    // Bands end on whole rows of the result, so their seams do not show.
    const int resultRowsPerBand
        = int(qBound(qint64(1), rowsPerBand * size.height() / picture.height(), qint64(size.height())));
    QImage image;
    QPainter painter;
    for (int top = 0; top < size.height(); top += resultRowsPerBand) {
        const int bottom = qMin(top + resultRowsPerBand, size.height());
        const int first = int(qint64(top) * picture.height() / size.height());
        const int last
            = bottom == size.height() ? picture.height() : int(qint64(bottom) * picture.height() / size.height());
        QImage rows = rowsOf(first, qMax(1, last - first));
        if (rows.isNull())
            return {};
        rows = in32Bits(rows);
        if (image.isNull()) {
            image = QImage(size, rows.format());
            if (image.isNull())
                return {};
            painter.begin(&image);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
        }
        painter.drawImage(
            QPoint(0, top), rows.scaled(size.width(), bottom - top, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    painter.end();
    return image;
}

// A row of `width` pixels of `bits` (24: blue, green, red; else indexes into
// `palette`, the first pixel in a byte's highest bits) as 8-bit RGBA.
void expandRow(const uchar* stored, int width, int bits, const QList<QRgb>& palette, uchar* rgba)
{
    if (bits == 24) {
        for (int x = 0; x < width; ++x, stored += 3, rgba += 4) {
            rgba[0] = stored[2];
            rgba[1] = stored[1];
            rgba[2] = stored[0];
            rgba[3] = 0xff;
        }
        return;
    }
    const int perByte = 8 / bits;
    const int mask = (1 << bits) - 1;
    for (int x = 0; x < width; ++x, rgba += 4) {
        const int shift = 8 - bits * (x % perByte + 1);
        const QRgb colour = palette[(stored[x / perByte] >> shift) & mask];
        rgba[0] = uchar(qRed(colour));
        rgba[1] = uchar(qGreen(colour));
        rgba[2] = uchar(qBlue(colour));
        rgba[3] = 0xff;
    }
}

// The picture's rows, top down, each `storedRow(y)`, averaged into a picture
// of `size` as they are expanded, with no band of them copied or decoded apart.
template <class StoredRow>
QImage averaged(QSize picture, int bits, const QList<QRgb>& palette, QSize size, StoredRow storedRow)
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    AreaAverager averager(picture, image);
    std::vector<uchar> rgba(size_t(picture.width()) * 4);
    for (int y = 0; y < picture.height(); ++y) {
        expandRow(storedRow(y), picture.width(), bits, palette, rgba.data());
        averager.add(rgba.data());
    }
    return image;
}

// Indexes the palette does not name show black.
QList<QRgb> wholePalette(QList<QRgb> colours)
{
    colours.resize(256, qRgb(0, 0, 0));
    return colours;
}

} // namespace

QImage BmpBandDecoder::decode(const QByteArray& bytes, QSize size)
{
    const std::optional<BmpHeader> header = BmpHeader::read(bytes);
    if (!header || size.isEmpty())
        return {};
    const QSize picture(header->width, header->rows);
    if (header->storage == BmpHeader::Storage::Plain) {
        if (!holdsItsRows(bytes, *header))
            return {};
        // Scaled, the rows whose pixels need no masks are read straight from
        // the file's bytes.
        if (size != picture && (header->bits == 24 || header->bits <= 8)) {
            const auto* pixels = reinterpret_cast<const uchar*>(bytes.constData()) + header->pixelsAt;
            return averaged(picture, header->bits, wholePalette(header->colours), size,
                [&](int y) { return pixels + (header->bottomUp ? header->rows - 1 - y : y) * header->stride(); });
        }
        return scaleInBands(picture, size,
            [&](int first, int count) { return QImage::fromData(band(bytes, *header, first, count), "bmp"); });
    }
    // A few bytes of runs can claim any size.
    if (qint64(header->width) * header->rows > PictureBounds::maxPixels)
        return {};
    const std::optional<BmpRleDecoder> runs = BmpRleDecoder::read(bytes, *header);
    if (!runs)
        return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    AreaAverager averager(picture, image);
    runs->decode(wholePalette(header->colours), averager);
    return image;
}
