#pragma once

// The process-wide cache of downloaded pictures, keyed by the URL text. It
// holds at most maxBytes of pixels and forgets the least recently used
// pictures first; a view of a forgotten one downloads it again.

#include <QCache>
#include <QImage>
#include <QString>
#include <mutex>
#include <optional>

class ImageCache {
public:
    // My Design builds about 28 tiles at once (four columns, the rows in
    // view and half a view above and below) and a design's detail shows two
    // more, each a picture of about 1 MB (512 × 512 at four bytes): 64 MB
    // holds all those twice over, so that going back and forth between them
    // downloads nothing.
    static constexpr qint64 maxBytes = qint64(64) << 20;
    // What a picture counts at least, so that tiny and empty ones fill the
    // cache too (at most 4096 of them), keys and bookkeeping included.
    static constexpr qint64 minBytesPerPicture = qint64(16) << 10;

    static ImageCache& shared();

    // The picture, which becomes the most recently used.
    std::optional<QImage> image(const QString& urlString) const;
    void insert(const QString& urlString, const QImage& image);
    bool contains(const QString& urlString) const;
    void removeAll();
    // The bytes held as the bound counts them: each picture's pixels, at
    // least minBytesPerPicture.
    qint64 byteCount() const;

private:
    ImageCache();

    mutable std::mutex m_mutex;
    QCache<QString, QImage> m_images;
};
