#pragma once

#include <QCache>
#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QSet>
#include <QSize>
#include <QStringList>
#include <optional>

class QNetworkReply;

// Card pictures for a grid that may list tens of thousands of designs. Only
// what is asked for is fetched: the newest requests go first, a few at a
// time, and requests that have waited too long are dropped (a card that is
// still on screen asks again when it repaints). Pictures are kept scaled to
// the card's size in a cache of bounded size.
class ThumbnailCache : public QObject {
    Q_OBJECT
public:
    static constexpr int maxInFlight = 6;
    static constexpr int maxWaiting = 64;

    explicit ThumbnailCache(QSize thumbnailSize, QObject* parent = nullptr);

    // The picture when it has arrived; otherwise asks for it and returns nothing.
    std::optional<QPixmap> thumbnail(const QString& url);

    bool hasFailed(const QString& url) const { return m_failed.contains(url); }
    int inFlightCount() const { return int(m_inFlight.size()); }
    int waitingCount() const { return int(m_waiting.size()); }
    int cachedCount() const { return m_cache.count(); }
    // Forgets failures so that a reload asks the server again.
    void clearFailures() { m_failed.clear(); }

Q_SIGNALS:
    void thumbnailReady(const QString& url);

private:
    void startWaiting();
    void finish(const QString& url, const QByteArray& body, bool ok);
    QPixmap scaled(const QImage& image) const;

    QSize m_thumbnailSize;
    QCache<QString, QPixmap> m_cache;
    QStringList m_waiting; // newest last
    QHash<QString, QPointer<QNetworkReply>> m_inFlight;
    QSet<QString> m_failed;
};
