#include "api/APIProvider.h"

#include "api/OneShotBody.h"
#include "core/ReplyLimits.h"
#include "model/RecordDefaults.h"

#include <QCoreApplication>
#include <QHttpMultiPart>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QThread>

namespace {

// Errors that Qt reports alongside a complete HTTP reply; the reply itself
// is what the caller judges.
bool comesWithHttpReply(QNetworkReply::NetworkError error)
{
    if (error == QNetworkReply::NoError)
        return true;
    if (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError)
        return true;
    if (error >= QNetworkReply::ProtocolInvalidOperationError && error <= QNetworkReply::UnknownServerError)
        return error != QNetworkReply::ProtocolFailure;
    return false;
}

} // namespace

APIProvider::APIProvider()
{
    // Replies decode on pool threads, and record defaults read the string
    // table; load it here, on the main thread, before any decode can.
    RecordDefaults::missingMessageText();
}

APIProvider& APIProvider::shared()
{
    static APIProvider provider;
    return provider;
}

QNetworkAccessManager& APIProvider::manager()
{
    Q_ASSERT(QThread::currentThread() == QCoreApplication::instance()->thread());
    if (!m_manager) {
        // The application object owns the manager, so it goes away with the event loop it needs.
        m_manager = new QNetworkAccessManager(QCoreApplication::instance());
        m_manager->setAutoDeleteReplies(false);
    }
    return *m_manager;
}

QNetworkAccessManager& APIProvider::uploadManager()
{
    Q_ASSERT(QThread::currentThread() == QCoreApplication::instance()->thread());
    if (!m_uploadManager) {
        m_uploadManager = new QNetworkAccessManager(QCoreApplication::instance());
        m_uploadManager->setAutoDeleteReplies(false);
    }
    return *m_uploadManager;
}

QNetworkRequest APIProvider::makeSendOnceRequest(
    const QUrl& url, const QList<QPair<QByteArray, QByteArray>>& headers, std::chrono::milliseconds timeout) const
{
    // Qt resends a request when its connection closes under it, which would
    // store an upload twice; uploads send one-shot bodies, which it cannot
    // resend. They also never go out on a kept-alive connection, which the
    // server may close just as the upload starts: they have a manager of
    // their own that closes each connection after its reply.
    QNetworkRequest request = makeRequest(url, headers, timeout);
    request.setRawHeader("Connection", "close");
    return request;
}

QNetworkRequest APIProvider::makeRequest(
    const QUrl& url, const QList<QPair<QByteArray, QByteArray>>& headers, std::chrono::milliseconds timeout) const
{
    QNetworkRequest request(url);
    request.setTransferTimeout(static_cast<int>(timeout.count()));
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    return request;
}

void APIProvider::request(const APIManager& target, QObject* context, ResponseHandler onResponse, ErrorHandler onError)
{
    APIResponse info;
    info.requestURL = target.requestURL();
    info.requestMethod = target.method();
    info.requestHeaders = target.headers();
    const QByteArray body = target.body();
    info.requestBodySize = body.size();

    QNetworkReply* reply = nullptr;
    if (info.requestMethod == "GET") {
        reply = manager().get(makeRequest(info.requestURL, info.requestHeaders, m_timeout));
    } else if (APIManager::changesData(target.operation())) {
        // Sent like an upload, so a dropped connection never repeats it, but
        // with the time-out of any other API request.
        auto* device = new OneShotBody(body);
        reply = uploadManager().post(makeSendOnceRequest(info.requestURL, info.requestHeaders, m_timeout), device);
        device->setParent(reply);
    } else {
        reply = manager().post(makeRequest(info.requestURL, info.requestHeaders, m_timeout), body);
    }
    watch(reply, ReplyKind::Json, std::move(info), context, std::move(onResponse), std::move(onError));
}

void APIProvider::put(const QUrl& url, const QByteArray& contentType, const QByteArray& body, QObject* context,
    ResponseHandler onResponse, ErrorHandler onError)
{
    APIResponse info;
    info.requestURL = url;
    info.requestMethod = QByteArrayLiteral("PUT");
    info.requestHeaders = { { QByteArrayLiteral("Content-Type"), contentType } };
    info.requestBodySize = body.size();
    auto* device = new OneShotBody(body);
    QNetworkReply* reply = uploadManager().put(makeSendOnceRequest(url, info.requestHeaders, m_uploadTimeout), device);
    device->setParent(reply);
    watch(reply, ReplyKind::Upload, std::move(info), context, std::move(onResponse), std::move(onError));
}

void APIProvider::postMultipart(
    const QUrl& url, QHttpMultiPart* form, QObject* context, ResponseHandler onResponse, ErrorHandler onError)
{
    APIResponse info;
    info.requestURL = url;
    info.requestMethod = QByteArrayLiteral("POST");
    QNetworkReply* reply = uploadManager().post(makeSendOnceRequest(url, {}, m_uploadTimeout), form);
    form->setParent(reply);
    watch(reply, ReplyKind::Upload, std::move(info), context, std::move(onResponse), std::move(onError));
}

void APIProvider::watch(QNetworkReply* reply, ReplyKind kind, APIResponse requestInfo, QObject* context,
    ResponseHandler onResponse, ErrorHandler onError)
{
    ReplyLimits::enforce(reply, kind);
    QObject* receiver = context ? context : static_cast<QObject*>(reply->manager());
    QObject::connect(reply, &QNetworkReply::finished, receiver,
        [reply, info = std::move(requestInfo), onResponse = std::move(onResponse),
            onError = std::move(onError)]() mutable {
            const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
            if (status.isValid() && comesWithHttpReply(reply->error())) {
                info.statusCode = status.toInt();
                info.data = reply->readAll();
                if (onResponse)
                    onResponse(info);
                return;
            }
            if (onError)
                onError(TransportError {
                    static_cast<int>(reply->error()), ReplyLimits::breachOf(reply).value_or(reply->errorString()) });
        });
    // Connected second, so it runs after the handler above, and also when the context is gone.
    QObject::connect(reply, &QNetworkReply::finished, reply->manager(), [reply] { reply->deleteLater(); });
}
