#include "discovery/ThumbnailCache.h"

#include "core/HttpFetch.h"

#include <QGuiApplication>
#include <QImage>
#include <QNetworkReply>

namespace {
// Cost is counted in kilobytes: about 400 card pictures at 2x.
constexpr int cacheCostKilobytes = 64 * 1024;
} // namespace

ThumbnailCache::ThumbnailCache(QSize thumbnailSize, QObject* parent)
    : QObject(parent)
    , m_thumbnailSize(thumbnailSize)
    , m_cache(cacheCostKilobytes)
{
}

std::optional<QPixmap> ThumbnailCache::thumbnail(const QString& url)
{
    if (const QPixmap* cached = m_cache.object(url))
        return *cached;
    if (url.isEmpty() || m_failed.contains(url) || m_inFlight.contains(url))
        return std::nullopt;
    m_waiting.removeOne(url);
    m_waiting.append(url);
    while (m_waiting.size() > maxWaiting)
        m_waiting.removeFirst();
    startWaiting();
    return std::nullopt;
}

void ThumbnailCache::startWaiting()
{
    while (m_inFlight.size() < maxInFlight && !m_waiting.isEmpty()) {
        const QString url = m_waiting.takeLast();
        m_inFlight.insert(url, HttpFetch::get(url, ReplyKind::Image, this, [this, url](const HttpFetchResult& result) {
            finish(url, result.body, result.ok);
        }));
    }
}

void ThumbnailCache::finish(const QString& url, const QByteArray& body, bool ok)
{
    m_inFlight.remove(url);
    const QImage image = ok ? QImage::fromData(body) : QImage();
    if (image.isNull()) {
        m_failed.insert(url);
    } else {
        const QPixmap pixmap = scaled(image);
        const qint64 bytes = qint64(pixmap.width()) * pixmap.height() * 4;
        m_cache.insert(url, new QPixmap(pixmap), int(qMax<qint64>(1, bytes / 1024)));
    }
    startWaiting();
    Q_EMIT thumbnailReady(url);
}

QPixmap ThumbnailCache::scaled(const QImage& image) const
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const QSize target = m_thumbnailSize * ratio;
    QPixmap pixmap = QPixmap::fromImage(image.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}
