#pragma once

// The process-wide cache of downloaded pictures, keyed by the URL text. It has
// no limits and the program never empties it.

#include <QHash>
#include <QImage>
#include <QString>
#include <mutex>
#include <optional>

class ImageCache {
public:
    static ImageCache& shared();

    std::optional<QImage> image(const QString& urlString) const;
    void insert(const QString& urlString, const QImage& image);
    bool contains(const QString& urlString) const;
    void removeAll();
    // The pixel bytes of every picture held.
    qint64 byteCount() const;

private:
    ImageCache() = default;

    mutable std::mutex m_mutex;
    QHash<QString, QImage> m_images;
};
