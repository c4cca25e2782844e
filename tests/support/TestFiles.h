#pragma once

// Bytes and files that tests set up.

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

// The image encoded as PNG.
inline QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Makes `bytes` the whole content of the file at `path`; false when it can't.
[[nodiscard]] inline bool writeFile(const QString& path, const QByteArray& bytes = {})
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
