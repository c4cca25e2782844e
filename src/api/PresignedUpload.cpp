#include "api/PresignedUpload.h"

#include "api/APIProvider.h"
#include "api/OffMainThread.h"
#include "api/StrictBase64.h"
#include "core/Log.h"

#include <QBuffer>
#include <QStringEncoder>
#include <memory>

namespace {

// Qt's network manager carries out a PUT to a file: address by writing the
// file, so only a web address with a host may receive an upload.
bool isWebAddress(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        && !url.host().isEmpty();
}

void refuse(const QUrl& url, const std::function<void()>& failure)
{
    printLine(QStringLiteral("Refusing to upload to ") + url.toDisplayString());
    if (failure)
        failure();
}

void putBytes(const QUrl& url, const QByteArray& contentType, const QByteArray& bytes, std::function<void()> success,
    std::function<void()> failure, QObject* context)
{
    if (!isWebAddress(url)) {
        refuse(url, failure);
        return;
    }
    auto failed = std::make_shared<std::function<void()>>(std::move(failure));
    APIProvider::shared().put(
        url, contentType, bytes, context,
        [success = std::move(success), failed](const APIResponse& response) {
            if (response.statusCode == 200) {
                if (success)
                    success();
            } else if (*failed) {
                (*failed)();
            }
        },
        [failed](const TransportError&) {
            if (*failed)
                (*failed)();
        });
}

void failNow(const std::function<void()>& failure)
{
    if (failure)
        failure();
}

} // namespace

std::optional<QByteArray> pngDataOfImage(const QImage& image)
{
    if (image.isNull())
        return std::nullopt;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return std::nullopt;
    return bytes;
}

void uploadPNGToPresignedURL(const QImage& image, const QUrl& url, std::function<void()> success,
    std::function<void()> failure, QObject* context)
{
    if (image.isNull()) {
        failNow(failure);
        return;
    }
    if (!isWebAddress(url)) {
        refuse(url, failure);
        return;
    }
    // Encoding a full-size picture takes a noticeable fraction of a second,
    // so it runs on a pool thread; the upload starts back on the main thread,
    // and not at all once the context is gone.
    runOffMainThread<std::optional<QByteArray>>(
        context, [image] { return pngDataOfImage(image); },
        [url, success = std::move(success), failure = std::move(failure), context](
            const std::optional<QByteArray>& png) {
            if (!png) {
                failNow(failure);
                return;
            }
            putBytes(url, QByteArrayLiteral("image/png"), *png, success, failure, context);
        });
}

void uploadSVGDataToPresignedURL(const QString& svgBase64, const QUrl& url, std::function<void()> success,
    std::function<void()> failure, QObject* context)
{
    const std::optional<QByteArray> bytes = decodeStrictBase64(svgBase64);
    if (!bytes) {
        failNow(failure);
        return;
    }
    putBytes(url, QByteArrayLiteral("image/svg+xml"), *bytes, std::move(success), std::move(failure), context);
}

void uploadSVGStringToPresignedURL(
    const QString& svg, const QUrl& url, std::function<void()> success, std::function<void()> failure, QObject* context)
{
    QStringEncoder encoder(QStringEncoder::Utf8, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(svg);
    if (encoder.hasError()) {
        failNow(failure);
        return;
    }
    putBytes(url, QByteArrayLiteral("image/svg+xml"), bytes, std::move(success), std::move(failure), context);
}
