#include "core/ImageLoader.h"

#include "core/HttpFetch.h"
#include "core/ImageCache.h"

#include <QUrl>

ImageLoader::ImageLoader(QObject* parent)
    : QObject(parent)
{
}

ImageLoader::~ImageLoader()
{
    cancel();
}

void ImageLoader::cancel()
{
    HttpFetch::cancel(m_reply);
}

void ImageLoader::load(const QString& urlString)
{
    if (std::optional<QImage> cached = ImageCache::shared().image(urlString)) {
        cancel();
        m_image = std::move(cached);
        m_failed = false;
        Q_EMIT imageChanged();
        return;
    }
    const QUrl url(urlString, QUrl::StrictMode);
    if (urlString.isEmpty() || !url.isValid() || url.isRelative())
        return;
    cancel();
    m_reply = HttpFetch::get(urlString, ReplyKind::Image, this, [this, urlString](const HttpFetchResult& result) {
        m_reply = nullptr;
        QImage picture;
        if (result.ok)
            picture = QImage::fromData(result.body);
        // Error replies and bytes that aren't a picture stay out of the cache,
        // so a later view tries again.
        if (picture.isNull()) {
            m_image.reset();
            m_failed = true;
        } else {
            ImageCache::shared().insert(urlString, picture);
            m_image = picture;
            m_failed = false;
        }
        Q_EMIT imageChanged();
    });
}
