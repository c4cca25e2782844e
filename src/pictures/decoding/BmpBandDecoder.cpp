#include "pictures/decoding/BmpBandDecoder.h"

#include "pictures/decoding/BmpHeader.h"
#include "pictures/decoding/BmpRleDecoder.h"
#include "pictures/decoding/PictureBounds.h"

#include <QPainter>
#include <QtEndian>
#include <functional>

namespace {

constexpr qint64 bandBytes = 16 << 20; // decoded, at four bytes a pixel

// Rows [first, first + count) of the picture, top down, in any format.
using RowSource = std::function<QImage(int first, int count)>;

// Whether the file holds every row of a plain picture; in a quotient, as the
// product of a header's claims may not fit in 64 bits.
bool holdsItsRows(const QByteArray& bytes, const BmpHeader& header)
{
    return header.pixelsAt <= bytes.size() && header.rows <= (bytes.size() - header.pixelsAt) / header.stride();
}

// Rows [first, first + count) of a plain picture, top down, as a BMP of their own.
QByteArray band(const QByteArray& bytes, const BmpHeader& header, int first, int count)
{
    const int stored = header.bottomUp ? header.rows - first - count : first;
    QByteArray out = bytes.left(header.pixelsAt);
    out += bytes.mid(header.pixelsAt + stored * header.stride(), count * header.stride());
    auto* data = reinterpret_cast<uchar*>(out.data());
    qToLittleEndian<quint32>(quint32(out.size()), data + 2);
    qToLittleEndian<qint32>(header.bottomUp ? count : -count, data + 22);
    qToLittleEndian<quint32>(quint32(count * header.stride()), data + 34);
    return out;
}

QImage scaleInBands(QSize picture, QSize size, const RowSource& rowsOf)
{
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
        rows
            = rows.convertToFormat(rows.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
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
        return scaleInBands(picture, size,
            [&](int first, int count) { return QImage::fromData(band(bytes, *header, first, count), "bmp"); });
    }
    // A few bytes of runs can claim any size.
    if (qint64(header->width) * header->rows > PictureBounds::maxPixels)
        return {};
    const QImage indexes = BmpRleDecoder::decode(bytes, *header);
    if (indexes.isNull())
        return {};
    return scaleInBands(
        picture, size, [&](int first, int count) { return indexes.copy(0, first, header->width, count); });
}
