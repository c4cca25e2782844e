#include "api/UploadImageHelpers.h"

#include "api/StrictBase64.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <cmath>

int uploadImageSide()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 512;
    return static_cast<int>(std::lround(512 * screen->devicePixelRatio()));
}

std::optional<QImage> resizeImageToSquare512(const QImage& image)
{
    if (image.isNull())
        return std::nullopt;
    const int side = uploadImageSide();
    QImage square(side, side, QImage::Format_ARGB32_Premultiplied);
    if (square.isNull())
        return std::nullopt;
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, side, side), image);
    painter.end();
    return square;
}

std::optional<QString> thumbnailPNGBase64(const QString& base64)
{
    const std::optional<QByteArray> bytes = decodeStrictBase64(base64);
    if (!bytes || bytes->isEmpty())
        return std::nullopt;

    QBuffer buffer;
    buffer.setData(*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    QImage picture = reader.read();
    if (picture.isNull())
        return std::nullopt;

    const int maximum = uploadImageSide();
    if (picture.width() > maximum || picture.height() > maximum)
        picture = picture.scaled(maximum, maximum, Qt::KeepAspectRatio, Qt::SmoothTransformation);

    QByteArray png;
    QBuffer output(&png);
    output.open(QIODevice::WriteOnly);
    if (!picture.save(&output, "PNG"))
        return std::nullopt;
    return QString::fromLatin1(png.toBase64());
}
