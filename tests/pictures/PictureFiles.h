#pragma once

// Picture files for the reading and road tests, written into a folder.

#include "support/TestFiles.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QString>
#include <QtEndian>
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <vector>
#include <zlib.h>

namespace PictureFiles {

inline QString write(const QDir& folder, const QString& name, const QByteArray& bytes)
{
    const QString path = folder.filePath(name);
    if (!writeFile(path, bytes))
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return path;
}

inline QImage halves(QSize size, QColor left = Qt::red, QColor right = Qt::blue)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(right);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width() / 2; ++x)
            image.setPixelColor(x, y, left);
    return image;
}

inline QString save(const QDir& folder, const QString& name, const QImage& image, const char* format,
    QImageIOHandler::Transformations transformation = QImageIOHandler::TransformationNone)
{
    const QString path = folder.filePath(name);
    QImageWriter writer(path, format);
    writer.setTransformation(transformation);
    writer.write(image);
    return path;
}

// A 4 × 4 GIF of two frames: red, then blue. Every code follows a clear code,
// so the LZW stream stays at three bits a code.
inline QByteArray twoFrameGif()
{
    QByteArray gif("GIF89a\x04\x00\x04\x00\x80\x00\x00", 13);
    gif += QByteArray("\xFF\x00\x00\x00\x00\xFF", 6);
    gif += QByteArray("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (int index : { 0, 1 }) {
        gif += QByteArray("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);
        gif += QByteArray("\x2C\x00\x00\x00\x00\x04\x00\x04\x00\x00\x02", 11);
        QByteArray data;
        quint32 bits = 0;
        int count = 0;
        auto emitCode = [&](int code) {
            bits |= quint32(code) << count;
            count += 3;
            while (count >= 8) {
                data += char(bits & 0xFF);
                bits >>= 8;
                count -= 8;
            }
        };
        for (int pixel = 0; pixel < 16; ++pixel) {
            emitCode(4);
            emitCode(index);
        }
        emitCode(5);
        if (count > 0)
            data += char(bits & 0xFF);
        gif += char(data.size());
        gif += data;
        gif += '\0';
    }
    gif += '\x3B';
    return gif;
}

// A GIF of `size` whose upper half is red and lower half blue.
inline QByteArray redOverBlueGif(QSize size)
{
    QByteArray bytes;
    const auto append = [](GifFileType* gif, const GifByteType* data, int length) {
        static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
        return length;
    };
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, append, &error);
    const GifColorType colours[] = { { 255, 0, 0 }, { 0, 0, 255 } };
    ColorMapObject* map = GifMakeMapObject(2, colours);
    EGifPutScreenDesc(gif, size.width(), size.height(), 1, 0, map);
    EGifPutImageDesc(gif, 0, 0, size.width(), size.height(), false, nullptr);
    std::vector<GifPixelType> line(size_t(size.width()));
    for (int y = 0; y < size.height(); ++y) {
        std::fill(line.begin(), line.end(), y < size.height() / 2 ? 0 : 1);
        EGifPutLine(gif, line.data(), size.width());
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return bytes;
}

// A GIF whose screen and frame claim `size`, with the data of a far smaller one.
inline QByteArray gifClaiming(QSize size)
{
    QByteArray gif = redOverBlueGif({ 8, 8 });
    const int frameAt = gif.indexOf(',', 13 + 6); // after the header and the two colours
    for (int at : { 6, frameAt + 5 }) {
        qToLittleEndian(quint16(size.width()), gif.data() + at);
        qToLittleEndian(quint16(size.height()), gif.data() + at + 2);
    }
    return gif;
}

// A PNG chunk: the length of its data, its type, the data, its checksum.
inline QByteArray pngChunk(const char* type, const QByteArray& body)
{
    QByteArray out(4, '\0');
    qToBigEndian(quint32(body.size()), out.data());
    const QByteArray typed = QByteArray(type, 4) + body;
    out += typed;
    QByteArray crc(4, '\0');
    qToBigEndian(quint32(crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), uInt(typed.size()))), crc.data());
    return out + crc;
}

// A PNG whose header claims `side` × `side` pixels, with almost no data.
inline QByteArray pngClaiming(quint32 side)
{
    QByteArray header(13, '\0');
    qToBigEndian(side, header.data());
    qToBigEndian(side, header.data() + 4);
    header[8] = 8; // bit depth
    header[9] = 2; // truecolour
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png += pngChunk("IHDR", header);
    png += pngChunk("IDAT", QByteArray("\x78\x9C\x03\x00\x00\x00\x00\x01", 8));
    png += pngChunk("IEND", {});
    return png;
}

// An 8-bit palette PNG of `size` whose upper half is red and lower half blue,
// its rows stored in Adam7's seven passes when `interlaced`. The rows are
// compressed as they are made, so a large one costs little memory.
inline QByteArray redOverBluePalettePng(QSize size, bool interlaced)
{
    QByteArray header(13, '\0');
    qToBigEndian(quint32(size.width()), header.data());
    qToBigEndian(quint32(size.height()), header.data() + 4);
    header[8] = 8; // bit depth
    header[9] = 3; // palette
    header[12] = interlaced ? 1 : 0;
    struct Pass {
        int left, top, columnStep, rowStep;
    };
    const std::vector<Pass> passes = interlaced ? std::vector<Pass> { { 0, 0, 8, 8 }, { 4, 0, 8, 8 }, { 0, 4, 4, 8 },
        { 2, 0, 4, 4 }, { 0, 2, 2, 4 }, { 1, 0, 2, 2 }, { 0, 1, 1, 2 } }
                                                : std::vector<Pass> { { 0, 0, 1, 1 } };
    QByteArray data;
    z_stream stream {};
    deflateInit(&stream, Z_BEST_SPEED);
    const auto compress = [&](QByteArray raw, int flush) {
        stream.next_in = reinterpret_cast<Bytef*>(raw.data());
        stream.avail_in = uInt(raw.size());
        Bytef out[1 << 16];
        do {
            stream.next_out = out;
            stream.avail_out = sizeof out;
            deflate(&stream, flush);
            data.append(reinterpret_cast<const char*>(out), qsizetype(sizeof out - stream.avail_out));
        } while (stream.avail_out == 0);
    };
    for (const Pass& pass : passes) {
        const int width = (size.width() - pass.left + pass.columnStep - 1) / pass.columnStep;
        for (int y = pass.top; width > 0 && y < size.height(); y += pass.rowStep) {
            QByteArray row(1 + width, y < size.height() / 2 ? '\0' : '\1');
            row[0] = 0; // no filter
            compress(row, Z_NO_FLUSH);
        }
    }
    compress({}, Z_FINISH);
    deflateEnd(&stream);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png += pngChunk("IHDR", header);
    png += pngChunk("PLTE", QByteArray("\xFF\x00\x00\x00\x00\xFF", 6));
    png += pngChunk("IDAT", data);
    png += pngChunk("IEND", {});
    return png;
}

} // namespace PictureFiles
