#include "core/ReplyLimits.h"

#include "core/HeapRelease.h"

#include <QCoreApplication>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <array>

namespace {

constexpr qint64 megabyte = 1024 * 1024;
constexpr const char* breachProperty = "tessalyReplyBreach";

constexpr std::array<ReplyBounds, 5> defaultBounds { {
    { 64 * megabyte, std::chrono::minutes(2) }, // Json
    { 32 * megabyte, std::chrono::minutes(1) }, // Image
    { 32 * megabyte, std::chrono::minutes(1) }, // DesignFile
    { 64 * megabyte, std::chrono::minutes(5) }, // Font
    { 64 * megabyte, std::chrono::minutes(5) }, // Upload
} };

std::array<ReplyBounds, 5>& currentBounds()
{
    static std::array<ReplyBounds, 5> bounds = defaultBounds;
    return bounds;
}

void stop(QNetworkReply* reply, const QString& reason)
{
    if (reply->isFinished() || reply->property(breachProperty).isValid())
        return;
    reply->setProperty(breachProperty, reason);
    // What a refused reply received runs to tens of megabytes in small
    // blocks, which the heap keeps once freed: hand them back once the reply
    // (and with it its buffer) is gone.
    QObject::connect(
        reply, &QObject::destroyed, QCoreApplication::instance(), [] { HeapRelease::releaseFreedMemorySoon(); });
    // Aborting drops what the reply has buffered and finishes it at once.
    reply->abort();
}

} // namespace

ReplyBounds ReplyLimits::boundsFor(ReplyKind kind)
{
    return currentBounds().at(static_cast<std::size_t>(kind));
}

void ReplyLimits::setBoundsFor(ReplyKind kind, ReplyBounds bounds)
{
    currentBounds().at(static_cast<std::size_t>(kind)) = bounds;
}

void ReplyLimits::restoreDefaults()
{
    currentBounds() = defaultBounds;
}

void ReplyLimits::enforce(QNetworkReply* reply, ReplyKind kind)
{
    const ReplyBounds bounds = boundsFor(kind);
    const QString tooLarge = QStringLiteral("The reply is larger than %1 bytes").arg(bounds.maxBytes);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, bounds, tooLarge] {
        const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
        if (announced.isValid() && announced.toLongLong() > bounds.maxBytes)
            stop(reply, tooLarge);
    });
    // Nothing reads a reply before it finishes, so what it holds is all it received.
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, bounds, tooLarge] {
        if (reply->bytesAvailable() > bounds.maxBytes)
            stop(reply, tooLarge);
    });
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, [reply, bounds] {
        stop(reply, QStringLiteral("The request took longer than %1 ms").arg(bounds.deadline.count()));
    });
    QObject::connect(reply, &QNetworkReply::finished, deadline, &QTimer::stop);
    deadline->start(bounds.deadline);
}

std::optional<QString> ReplyLimits::breachOf(const QNetworkReply* reply)
{
    const QVariant reason = reply->property(breachProperty);
    if (!reason.isValid())
        return std::nullopt;
    return reason.toString();
}
