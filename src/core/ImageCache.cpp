#include "core/ImageCache.h"

ImageCache& ImageCache::shared()
{
    static ImageCache cache;
    return cache;
}

std::optional<QImage> ImageCache::image(const QString& urlString) const
{
    std::lock_guard lock(m_mutex);
    auto it = m_images.constFind(urlString);
    if (it == m_images.constEnd())
        return std::nullopt;
    return *it;
}

void ImageCache::insert(const QString& urlString, const QImage& image)
{
    std::lock_guard lock(m_mutex);
    m_images.insert(urlString, image);
}

bool ImageCache::contains(const QString& urlString) const
{
    std::lock_guard lock(m_mutex);
    return m_images.contains(urlString);
}

qint64 ImageCache::byteCount() const
{
    std::lock_guard lock(m_mutex);
    qint64 bytes = 0;
    for (const QImage& image : m_images)
        bytes += image.sizeInBytes();
    return bytes;
}

void ImageCache::removeAll()
{
    std::lock_guard lock(m_mutex);
    m_images.clear();
}
