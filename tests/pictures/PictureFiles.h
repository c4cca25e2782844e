#pragma once

// Picture files for the reading and road tests, written into a folder.

#include "support/TestFiles.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QRect>
#include <QString>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <string>
#include <utility>
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

inline QByteArray encoded(const QImage& image, const char* format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

// Two colours off the web palette, which a picture re-quantised to it loses.
constexpr QRgb upperRed = qRgb(0xe0, 0, 0);
constexpr QRgb lowerBlue = qRgb(0, 0, 0xe0);

// A picture of `size` whose upper half is upperRed and lower half lowerBlue.
// Indexed8 gets those two first in a palette of 256 colours, and the others
// as a grey ramp in the eighth above the middle: scaled, it has more colours
// than a palette holds, so that re-quantising shows. Mono gets just the two.
inline QImage redOverBlue(QSize size, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, format);
    if (image.depth() > 8) {
        for (int y = 0; y < size.height(); ++y)
            std::fill_n(
                reinterpret_cast<QRgb*>(image.scanLine(y)), size.width(), y < size.height() / 2 ? upperRed : lowerBlue);
        return image;
    }
    QList<QRgb> colours { upperRed, lowerBlue };
    for (int grey = 0; image.depth() == 8 && grey < 254; ++grey)
        colours << qRgb(grey, grey, grey);
    image.setColorTable(colours);
    const int blueIndexes = image.depth() == 1 ? 0xff : 1; // a byte of them
    for (int y = 0; y < size.height(); ++y) {
        uchar* line = image.scanLine(y);
        std::memset(line, y < size.height() / 2 ? 0 : blueIndexes, size_t(image.bytesPerLine()));
        if (image.depth() == 8 && y >= size.height() * 3 / 8 && y < size.height() / 2)
            for (int x = 0; x < size.width(); ++x)
                line[x] = uchar(2 + qint64(x) * 254 / size.width());
    }
    return image;
}

// A BMP's file header and 40-byte info header for a picture of `size` (a
// negative height stores the rows top down), then `palette`, before
// `pixelBytes` of pixels stored as `compression` says.
inline QByteArray bmpHeader(QSize size, int bits, int compression, const QList<QRgb>& palette, qsizetype pixelBytes)
{
    const qsizetype pixelsAt = 54 + 4 * palette.size();
    QByteArray bmp(pixelsAt, '\0');
    char* header = bmp.data();
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian<quint32>(quint32(pixelsAt + pixelBytes), header + 2);
    qToLittleEndian<quint32>(quint32(pixelsAt), header + 10);
    qToLittleEndian<quint32>(40, header + 14); // the info header's size
    qToLittleEndian<qint32>(size.width(), header + 18);
    qToLittleEndian<qint32>(size.height(), header + 22);
    qToLittleEndian<quint16>(1, header + 26); // planes
    qToLittleEndian<quint16>(quint16(bits), header + 28);
    qToLittleEndian<quint32>(quint32(compression), header + 30);
    qToLittleEndian<quint32>(quint32(pixelBytes), header + 34);
    qToLittleEndian<quint32>(quint32(palette.size()), header + 46);
    for (qsizetype i = 0; i < palette.size(); ++i)
        qToLittleEndian<quint32>(palette[i] & 0xffffff, header + 54 + 4 * i); // blue, green, red, nothing
    return bmp;
}

// redOverBlue(size) as a 24-bit BMP, its rows stored bottom up or top down
// (as its negative height says); written row by row, as Qt's writer is slow
// on a large one.
inline QByteArray redOverBlueBmp(QSize size, bool topDown)
{
    const int stride = (size.width() * 3 + 3) / 4 * 4;
    const qsizetype pixelBytes = qsizetype(stride) * size.height();
    QByteArray bmp = bmpHeader({ size.width(), topDown ? -size.height() : size.height() }, 24, 0, {}, pixelBytes);
    const auto row = [&](QRgb colour) {
        QByteArray out(stride, '\0');
        for (int x = 0; x < size.width(); ++x) {
            out[3 * x] = char(qBlue(colour));
            out[3 * x + 1] = char(qGreen(colour));
            out[3 * x + 2] = char(qRed(colour));
        }
        return out;
    };
    const QByteArray upper = row(upperRed);
    const QByteArray lower = row(lowerBlue);
    bmp.reserve(bmp.size() + pixelBytes);
    for (int y = 0; y < size.height(); ++y) {
        const int fromTop = topDown ? y : size.height() - 1 - y;
        bmp += fromTop < size.height() / 2 ? upper : lower;
    }
    return bmp;
}

inline QByteArray topDownBmp(QSize size)
{
    return redOverBlueBmp(size, true);
}

// A bottom-up BMP with Windows' 40-byte header and no bit fields, with OS/2's
// 12-byte header instead: 16-bit sizes, three-byte palette entries.
inline QByteArray asOs2(const QByteArray& bmp)
{
    const char* in = bmp.constData();
    const qint32 pixelsAt = qFromLittleEndian<qint32>(in + 10);
    QByteArray out = bmp.left(26);
    qToLittleEndian<quint32>(12, out.data() + 14);
    qToLittleEndian<quint16>(quint16(qFromLittleEndian<qint32>(in + 18)), out.data() + 18);
    qToLittleEndian<quint16>(quint16(qFromLittleEndian<qint32>(in + 22)), out.data() + 20);
    qToLittleEndian<quint16>(1, out.data() + 22); // planes
    qToLittleEndian<quint16>(qFromLittleEndian<quint16>(in + 28), out.data() + 24); // bits
    for (qsizetype at = 54; at + 4 <= pixelsAt; at += 4)
        out += bmp.mid(at, 3);
    qToLittleEndian<quint32>(quint32(out.size()), out.data() + 10);
    out += bmp.mid(pixelsAt);
    qToLittleEndian<quint32>(quint32(out.size()), out.data() + 2);
    return out;
}

// A BMP of `size` whose pixels are `runs` of `bits` (4 or 8) a pixel, bottom up.
inline QByteArray rleBmp(int bits, QSize size, const QList<QRgb>& palette, const QByteArray& runs)
{
    return bmpHeader(size, bits, bits == 8 ? 1 : 2, palette, runs.size()) + runs;
}

// A 24-bit BMP whose header claims `size`, with a row's worth of pixels.
inline QByteArray bmpClaiming(QSize size)
{
    return bmpHeader(size, 24, 0, {}, 4) + QByteArray(4, '\0');
}

// An Indexed8 picture as a BMP of runs of `bits` (8, or 4 when its indexes
// are below 16), bottom up, as such files are: runs of one index each.
inline QByteArray runLengthBmp(const QImage& indexed, int bits)
{
    QByteArray runs;
    for (int y = indexed.height() - 1; y >= 0; --y) {
        const uchar* line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width();) {
            int run = 1;
            while (run < 255 && x + run < indexed.width() && line[x + run] == line[x])
                ++run;
            runs += char(run);
            runs += char(bits == 8 ? line[x] : line[x] << 4 | line[x]);
            x += run;
        }
        runs += QByteArray(2, '\0'); // end of the row
    }
    runs += QByteArray("\0\1", 2); // end of the picture
    return rleBmp(bits, indexed.size(), indexed.colorTable().mid(0, 1 << bits), runs);
}

inline QByteArray rle8Bmp(const QImage& indexed)
{
    return runLengthBmp(indexed, 8);
}

// A WEBP whose header claims `size`: a still one in its lossless header, an
// animated one in its canvas, which holds one 8 × 8 frame.
inline QByteArray webpClaiming(QSize size, bool animated)
{
    QByteArray still = encoded(halves({ 8, 8 }), "webp", 100); // lossless: one VP8L chunk
    const auto chunk = [](const char* type, const QByteArray& body) {
        QByteArray out(type, 4);
        out += QByteArray(4, '\0');
        qToLittleEndian<quint32>(quint32(body.size()), out.data() + 4);
        return out + body + QByteArray(body.size() % 2, '\0');
    };
    const auto riff = [](const QByteArray& body) {
        QByteArray out("RIFF\0\0\0\0WEBP", 12);
        qToLittleEndian<quint32>(quint32(4 + body.size()), out.data() + 4);
        return out + body;
    };
    const auto threeBytes = [](int value) {
        QByteArray out(4, '\0');
        qToLittleEndian<quint32>(quint32(value), out.data());
        return out.left(3);
    };
    if (!animated) {
        // After the chunk header and the signature byte: 14 bits each of width - 1 and height - 1.
        const quint32 bits = qFromLittleEndian<quint32>(still.constData() + 21) & ~0x0fffffffu;
        qToLittleEndian<quint32>(
            bits | quint32(size.width() - 1) | quint32(size.height() - 1) << 14, still.data() + 21);
        return still;
    }
    const QByteArray canvas = QByteArray(1, '\x02') + QByteArray(3, '\0') + threeBytes(size.width() - 1)
        + threeBytes(size.height() - 1); // the animation flag
    const QByteArray frame = threeBytes(0) + threeBytes(0) + threeBytes(7) + threeBytes(7) + threeBytes(100)
        + QByteArray(1, '\0') + still.mid(12);
    return riff(chunk("VP8X", canvas) + chunk("ANIM", QByteArray(6, '\0')) + chunk("ANMF", frame));
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

// giflib writing a GIF into `bytes`; null when it can't start.
inline GifFileType* gifWriter(QByteArray* bytes)
{
    const auto append = [](GifFileType* gif, const GifByteType* data, int length) {
        static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
        return length;
    };
    int error = 0;
    return EGifOpen(bytes, append, &error);
}

// A GIF of `size` whose upper half is red and lower half blue, on a first
// frame covering `frame` of it (the whole when empty) on black.
inline QByteArray redOverBlueGif(QSize size, QRect frame = {})
{
    if (frame.isEmpty())
        frame = QRect(QPoint(0, 0), size);
    QByteArray bytes;
    GifFileType* gif = gifWriter(&bytes);
    int error = 0;
    const GifColorType colours[] = { { 255, 0, 0 }, { 0, 0, 255 } };
    ColorMapObject* map = GifMakeMapObject(2, colours);
    EGifPutScreenDesc(gif, size.width(), size.height(), 1, 0, map);
    EGifPutImageDesc(gif, frame.left(), frame.top(), frame.width(), frame.height(), false, nullptr);
    std::vector<GifPixelType> line(size_t(frame.width()));
    for (int y = frame.top(); y <= frame.bottom(); ++y) {
        std::fill(line.begin(), line.end(), y < size.height() / 2 ? 0 : 1);
        EGifPutLine(gif, line.data(), frame.width());
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

// A GIF whose first frame is `rows` of colour indexes, a digit a pixel, and
// how it is stored.
struct IndexedGif {
    std::vector<std::string> rows;
    int mapSize = 8; // the screen's colour map: this many of the colours given (a power of 2), or none
    QSize screen {}; // the frame's size when empty
    QPoint frameAt {};
    int background = 0;
    int transparent = -1;
    bool interlaced = false;
    bool endCode = true; // the end-of-information code after the last pixel
};

// `gif` with the first of `colours` as its colour map (without their alpha).
// Every pixel's code follows a clear code, so codes stay four bits wide and a
// pixel takes a byte.
inline QByteArray indexedGif(const IndexedGif& gif, const QList<QRgb>& colours)
{
    const QSize frame(int(gif.rows[0].size()), int(gif.rows.size()));
    const QSize screen = gif.screen.isEmpty() ? frame : gif.screen;
    QByteArray out("GIF89a", 6);
    const auto word = [&out](int value) {
        out += char(value & 0xFF);
        out += char(value >> 8);
    };
    word(screen.width());
    word(screen.height());
    int sizeBits = 0; // the map holds 2 << sizeBits colours
    while ((2 << sizeBits) < gif.mapSize)
        ++sizeBits;
    out += char(gif.mapSize > 0 ? 0x80 | sizeBits : 0);
    out += char(gif.background);
    out += '\0'; // aspect ratio
    for (int i = 0; i < gif.mapSize; ++i) {
        out += char(qRed(colours[i]));
        out += char(qGreen(colours[i]));
        out += char(qBlue(colours[i]));
    }
    if (gif.transparent >= 0)
        out += QByteArray("\x21\xF9\x04\x01\x00\x00", 6) + char(gif.transparent) + '\0';
    out += ',';
    word(gif.frameAt.x());
    word(gif.frameAt.y());
    word(frame.width());
    word(frame.height());
    out += char(gif.interlaced ? 0x40 : 0);
    out += '\3'; // codes: 0 to 7 the colours, 8 clear, 9 the end
    std::vector<int> order;
    const std::vector<std::pair<int, int>> passes = gif.interlaced
        ? std::vector<std::pair<int, int>> { { 0, 8 }, { 4, 8 }, { 2, 4 }, { 1, 2 } }
        : std::vector<std::pair<int, int>> { { 0, 1 } };
    for (const auto& [first, step] : passes)
        for (int y = first; y < frame.height(); y += step)
            order.push_back(y);
    QByteArray data;
    for (int y : order)
        for (char pixel : gif.rows[size_t(y)])
            data += char(8 | ((pixel - '0') << 4)); // a clear code, then the pixel
    if (gif.endCode)
        data += '\x09';
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out += char(block.size()) + block;
    }
    return out + QByteArray("\0;", 2); // the block terminator, the trailer
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

inline QByteArray pngHeader(QSize size, int colourType, bool interlaced)
{
    QByteArray header(13, '\0');
    qToBigEndian(quint32(size.width()), header.data());
    qToBigEndian(quint32(size.height()), header.data() + 4);
    header[8] = 8; // bit depth
    header[9] = char(colourType);
    header[12] = interlaced ? 1 : 0;
    return header;
}

// A PNG whose header claims `side` × `side` pixels, with almost no data.
inline QByteArray pngClaiming(quint32 side)
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png += pngChunk("IHDR", pngHeader(QSize(int(side), int(side)), 2, false)); // truecolour
    png += pngChunk("IDAT", QByteArray("\x78\x9C\x03\x00\x00\x00\x00\x01", 8));
    png += pngChunk("IEND", {});
    return png;
}

// A PNG of `header` (its IHDR chunk's data), with `palette` when there is
// one, whose rows (each led by its filter byte) `rows(add)` hands to `add`
// one by one: they are compressed as they are made, so a large one costs
// little memory.
template <class Rows> QByteArray pngOf(const QByteArray& header, const QByteArray& palette, Rows rows)
{
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
    rows([&](const QByteArray& row) { compress(row, Z_NO_FLUSH); });
    compress({}, Z_FINISH);
    deflateEnd(&stream);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png += pngChunk("IHDR", header);
    if (!palette.isEmpty())
        png += pngChunk("PLTE", palette);
    png += pngChunk("IDAT", data);
    png += pngChunk("IEND", {});
    return png;
}

// An 8-bit palette PNG of `size` whose upper half is upperRed and lower half
// lowerBlue, its rows stored in Adam7's seven passes when `interlaced`.
inline QByteArray redOverBluePalettePng(QSize size, bool interlaced)
{
    struct Pass {
        int left, top, columnStep, rowStep;
    };
    const std::vector<Pass> passes = interlaced ? std::vector<Pass> { { 0, 0, 8, 8 }, { 4, 0, 8, 8 }, { 0, 4, 4, 8 },
        { 2, 0, 4, 4 }, { 0, 2, 2, 4 }, { 1, 0, 2, 2 }, { 0, 1, 1, 2 } }
                                                : std::vector<Pass> { { 0, 0, 1, 1 } };
    return pngOf(pngHeader(size, 3, interlaced), QByteArray("\xE0\x00\x00\x00\x00\xE0", 6), // upperRed, lowerBlue
        [&](const auto& add) {
            for (const Pass& pass : passes) {
                const int width = (size.width() - pass.left + pass.columnStep - 1) / pass.columnStep;
                for (int y = pass.top; width > 0 && y < size.height(); y += pass.rowStep) {
                    QByteArray row(1 + width, y < size.height() / 2 ? '\0' : '\1');
                    row[0] = 0; // no filter
                    add(row);
                }
            }
        });
}

// An RGBA PNG of `size` whose upper half is upperRed and lower half
// lowerBlue, fading in from left to right (alpha 64 to 255).
inline QByteArray fadingPng(QSize size)
{
    return pngOf(pngHeader(size, 6, false), {}, [&](const auto& add) {
        for (int y = 0; y < size.height(); ++y) {
            const QRgb colour = y < size.height() / 2 ? upperRed : lowerBlue;
            QByteArray row(1 + 4 * size.width(), '\0'); // no filter
            for (int x = 0; x < size.width(); ++x) {
                char* pixel = row.data() + 1 + 4 * x;
                pixel[0] = char(qRed(colour));
                pixel[1] = char(qGreen(colour));
                pixel[2] = char(qBlue(colour));
                pixel[3] = char(64 + qint64(x) * 191 / (size.width() - 1));
            }
            add(row);
        }
    });
}

} // namespace PictureFiles
