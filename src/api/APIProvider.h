#pragma once

// The one HTTP provider of the network client. It lives on the main thread,
// gives every request an inactivity time-out (a longer one to uploads), and ends every request
// in exactly one of its two handlers, on the main thread: the reply handler
// for any HTTP reply (whatever its status), the error handler when no reply
// arrived (refused connection, time-out, dropped connection). When a context
// object is given and destroyed first, neither handler runs. Uploads and
// operations that change data go out on fresh connections and at most once,
// also when a connection drops. Every reply is held to its kind's limits.

#include "api/APIManager.h"
#include "api/APIResponse.h"
#include "core/ReplyLimits.h"

#include <QPointer>
#include <chrono>
#include <functional>

class QHttpMultiPart;
class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;
class QObject;

class APIProvider {
public:
    using ResponseHandler = std::function<void(const APIResponse&)>;
    using ErrorHandler = std::function<void(const TransportError&)>;

    static constexpr std::chrono::milliseconds defaultTimeout { 10000 };
    // Uploads wait longer: the server answers only once it has stored what it received.
    static constexpr std::chrono::milliseconds defaultUploadTimeout { 60000 };

    static APIProvider& shared();

    APIProvider(const APIProvider&) = delete;
    APIProvider& operator=(const APIProvider&) = delete;

    void request(const APIManager& target, QObject* context, ResponseHandler onResponse, ErrorHandler onError);
    void put(const QUrl& url, const QByteArray& contentType, const QByteArray& body, QObject* context,
        ResponseHandler onResponse, ErrorHandler onError);
    // Sends a multipart form by POST; the provider takes the form over. Give
    // its file parts OneShotBody devices, or Qt resends the form when the
    // connection drops under it.
    void postMultipart(
        const QUrl& url, QHttpMultiPart* form, QObject* context, ResponseHandler onResponse, ErrorHandler onError);

    std::chrono::milliseconds timeout() const { return m_timeout; }
    // Tests shorten the time-out to exercise it without waiting ten seconds.
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    std::chrono::milliseconds uploadTimeout() const { return m_uploadTimeout; }
    void setUploadTimeout(std::chrono::milliseconds timeout) { m_uploadTimeout = timeout; }

private:
    APIProvider();

    QNetworkAccessManager& manager();
    QNetworkAccessManager& uploadManager();
    QNetworkRequest makeRequest(
        const QUrl& url, const QList<QPair<QByteArray, QByteArray>>& headers, std::chrono::milliseconds timeout) const;
    QNetworkRequest makeSendOnceRequest(
        const QUrl& url, const QList<QPair<QByteArray, QByteArray>>& headers, std::chrono::milliseconds timeout) const;
    void watch(QNetworkReply* reply, ReplyKind kind, APIResponse requestInfo, QObject* context,
        ResponseHandler onResponse, ErrorHandler onError);

    QPointer<QNetworkAccessManager> m_manager;
    QPointer<QNetworkAccessManager> m_uploadManager;
    std::chrono::milliseconds m_timeout = defaultTimeout;
    std::chrono::milliseconds m_uploadTimeout = defaultUploadTimeout;
};
