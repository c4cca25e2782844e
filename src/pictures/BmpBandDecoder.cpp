#include "pictures/BmpBandDecoder.h"

#include <QPainter>
#include <QtEndian>
#include <limits>

namespace {

constexpr qint64 bandBytes = 16 << 20; // decoded, at four bytes a pixel

struct Layout {
    qint64 pixelsAt = 0;
    int width = 0;
    int rows = 0;
    bool bottomUp = true;
    qint64 stride = 0;
};

bool readLayout(const QByteArray& bytes, Layout& layout)
{
    constexpr int fileHeader = 14;
    if (bytes.size() < fileHeader + 40 || !bytes.startsWith("BM"))
        return false;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const quint32 pixelsAt = qFromLittleEndian<quint32>(data + 10);
    const quint32 infoSize = qFromLittleEndian<quint32>(data + 14);
    const qint32 width = qFromLittleEndian<qint32>(data + 18);
    const qint32 height = qFromLittleEndian<qint32>(data + 22);
    const quint16 bits = qFromLittleEndian<quint16>(data + 28);
    const quint32 compression = qFromLittleEndian<quint32>(data + 30);
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6; // RGB, (alpha) bit fields
    if (infoSize < 40 || width <= 0 || height == 0 || height == std::numeric_limits<qint32>::min() || !uncompressed
        || (bits != 16 && bits != 24 && bits != 32) || pixelsAt < fileHeader + infoSize)
        return false;
    layout.pixelsAt = pixelsAt;
    layout.width = width;
    layout.rows = height > 0 ? height : -height;
    layout.bottomUp = height > 0;
    layout.stride = (qint64(width) * bits + 31) / 32 * 4;
    return layout.pixelsAt + layout.stride * layout.rows <= bytes.size();
}

// Rows [first, first + count) of the picture, top down, as a BMP of their own.
QByteArray band(const QByteArray& bytes, const Layout& layout, int first, int count)
{
    const int stored = layout.bottomUp ? layout.rows - first - count : first;
    QByteArray out = bytes.left(layout.pixelsAt);
    out += bytes.mid(layout.pixelsAt + stored * layout.stride, count * layout.stride);
    auto* data = reinterpret_cast<uchar*>(out.data());
    qToLittleEndian<quint32>(quint32(out.size()), data + 2);
    qToLittleEndian<qint32>(layout.bottomUp ? count : -count, data + 22);
    qToLittleEndian<quint32>(quint32(count * layout.stride), data + 34);
    return out;
}

} // namespace

QImage BmpBandDecoder::decode(const QByteArray& bytes, QSize size)
{
    Layout layout;
    if (!readLayout(bytes, layout) || size.isEmpty())
        return {};
    const int rowsPerBand = int(qMax<qint64>(1, bandBytes / (qint64(layout.width) * 4)));
    const int targetRowsPerBand = int(qMax<qint64>(1, qint64(rowsPerBand) * size.height() / layout.rows));
    QImage image;
    QPainter painter;
    // Bands end on whole rows of the result, so their seams do not show.
    for (int top = 0; top < size.height(); top += targetRowsPerBand) {
        const int bottom = qMin(top + targetRowsPerBand, size.height());
        const int first = int(qint64(top) * layout.rows / size.height());
        const int last = bottom == size.height() ? layout.rows : int(qint64(bottom) * layout.rows / size.height());
        const QImage rows = QImage::fromData(band(bytes, layout, first, qMax(1, last - first)), "bmp");
        if (rows.isNull())
            return {};
        if (image.isNull()) {
            image = QImage(size, rows.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
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
