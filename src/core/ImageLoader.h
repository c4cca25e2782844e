#pragma once

// Fetches one remote picture, through the shared cache. A picture already in
// the cache is there at once; otherwise it arrives later on the main thread.

#include <QImage>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <optional>

class ImageLoader : public QObject {
    Q_OBJECT
public:
    explicit ImageLoader(QObject* parent = nullptr);
    ~ImageLoader() override;

    // Starts loading `urlString`, cancelling any earlier load. Text that isn't
    // an absolute URL changes nothing.
    void load(const QString& urlString);

    const std::optional<QImage>& image() const { return m_image; }
    // The download failed or its bytes weren't a picture.
    bool hasFailed() const { return m_failed; }
    bool isLoading() const { return !m_reply.isNull(); }

Q_SIGNALS:
    void imageChanged();

private:
    void cancel();

    std::optional<QImage> m_image;
    bool m_failed = false;
    QPointer<QNetworkReply> m_reply;
};
