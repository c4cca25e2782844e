#include "pictures/PictureReader.h"

#include "pictures/ImageFileEnd.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

QImage PictureReader::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    // A file cut short decodes with its lower part grey; it is no picture to use.
    if (!ImageFileEnd::isComplete(bytes, reader.format()))
        return {};
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (stored.isValid() && (stored.width() > maxSide || stored.height() > maxSide))
        reader.setScaledSize(stored.scaled(maxSide, maxSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    QImage image = reader.read();
    if (image.isNull())
        return {};
    // One pixel layout for drawing and cutting; alpha stays where there is some.
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}
