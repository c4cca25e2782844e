#include "core/ImageCache.h"

ImageCache& ImageCache::shared()
{
    static ImageCache cache;
    return cache;
}

ImageCache::ImageCache()
    : m_images(maxBytes)
{
}

std::optional<QImage> ImageCache::image(const QString& urlString) const
{
    std::lock_guard lock(m_mutex);
    if (const QImage* image = m_images.object(urlString))
        return *image;
    return std::nullopt;
}

void ImageCache::insert(const QString& urlString, const QImage& image)
{
    std::lock_guard lock(m_mutex);
    m_images.insert(urlString, new QImage(image), qMax(image.sizeInBytes(), minBytesPerPicture));
}

bool ImageCache::contains(const QString& urlString) const
{
    std::lock_guard lock(m_mutex);
    return m_images.contains(urlString);
}

qint64 ImageCache::byteCount() const
{
    std::lock_guard lock(m_mutex);
    return m_images.totalCost();
}

void ImageCache::removeAll()
{
    std::lock_guard lock(m_mutex);
    m_images.clear();
}
