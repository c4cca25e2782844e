#pragma once

#include <QByteArray>
#include <QtGlobal>

// A PNG's chunks, walked from its signature up to its IEND chunk: bytes after
// IEND (a trailer some programs append) are no chunks. libpng allocates, and
// clears, a buffer of a chunk's claimed length before reading a byte of it,
// even when it is only asked for the picture's size: a file with a chunk
// claiming more than the file holds is given to no reader.
class PngChunks {
public:
    explicit PngChunks(const QByteArray& bytes);

    static bool isPng(const QByteArray& bytes);

    // No chunk up to IEND claims more than the file holds; false for a file
    // without the signature.
    bool fitTheFile() const { return m_fit; }
    // IEND is there, and every chunk before it whole.
    bool reachTheEnd() const { return m_end; }
    // The compressed pixel data: the IDAT chunks' data.
    qint64 compressedBytes() const { return m_compressed; }

private:
    bool m_fit = false;
    bool m_end = false;
    qint64 m_compressed = 0;
};
