#pragma once

// Uploads to a presigned address by HTTP PUT. Success runs exactly when the
// server answered with status 200; any other status, or no reply at all,
// runs failure. Both run on the main thread, exactly one per call, and
// neither once `context` is destroyed (an empty image, undecodable text, or
// an address that is not http or https with a host, runs failure at once,
// before any request). Each upload is sent at most once: a dropped
// connection is not retried. The PNG upload encodes its image on a pool
// thread first, so the window does not stall on a large picture. Call on
// the main thread.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

class QObject;

// The image as PNG bytes, or nothing for an empty image.
std::optional<QByteArray> pngDataOfImage(const QImage& image);

void uploadPNGToPresignedURL(const QImage& image, const QUrl& url, std::function<void()> success,
    std::function<void()> failure, QObject* context = nullptr);
// Sends the bytes of strict standard Base64 text as "image/svg+xml".
void uploadSVGDataToPresignedURL(const QString& svgBase64, const QUrl& url, std::function<void()> success,
    std::function<void()> failure, QObject* context = nullptr);
// Sends the UTF-8 bytes of the text as "image/svg+xml"; text that has no
// UTF-8 form (a lone surrogate) fails at once.
void uploadSVGStringToPresignedURL(const QString& svg, const QUrl& url, std::function<void()> success,
    std::function<void()> failure, QObject* context = nullptr);
