#include "core/HttpFetch.h"

#include "core/NetworkAccess.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

int HttpFetch::transferTimeoutMilliseconds = 30000;

namespace {
constexpr const char* cancelledProperty = "tessalyFetchCancelled";
}

QPointer<QNetworkReply> HttpFetch::get(const QString& urlString, ReplyKind kind, QObject* context, Handler done)
{
    QNetworkAccessManager& manager = sharedNetworkAccessManager();
    QNetworkRequest request { QUrl(urlString) };
    request.setTransferTimeout(transferTimeoutMilliseconds);
    QNetworkReply* reply = manager.get(request);
    ReplyLimits::enforce(reply, kind);
    QObject::connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
    QObject::connect(reply, &QNetworkReply::finished, context ? context : &manager, [reply, done = std::move(done)] {
        if (done && !reply->property(cancelledProperty).toBool())
            done(resultOf(reply));
    });
    return reply;
}

void HttpFetch::cancel(QPointer<QNetworkReply>& reply)
{
    if (!reply)
        return;
    // Aborting finishes the reply at once; the mark keeps its handler quiet.
    reply->setProperty(cancelledProperty, true);
    reply->abort();
    reply->deleteLater();
    reply = nullptr;
}

HttpFetchResult HttpFetch::resultOf(QNetworkReply* reply)
{
    HttpFetchResult result;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    result.httpStatus = status.isValid() ? status.toInt() : 0;
    // An aborted or timed-out reply is already closed.
    if (reply->isOpen())
        result.body = reply->readAll();
    if (reply->error() != QNetworkReply::NoError) {
        result.errorText = ReplyLimits::breachOf(reply).value_or(reply->errorString());
        return result;
    }
    if (status.isValid() && (result.httpStatus < 200 || result.httpStatus > 299)) {
        result.errorText = QStringLiteral("HTTP status %1").arg(result.httpStatus);
        return result;
    }
    if (result.body.isEmpty() && result.httpStatus != 204 && result.httpStatus != 205) {
        result.errorText = QStringLiteral("The reply has no body");
        return result;
    }
    result.ok = true;
    return result;
}
