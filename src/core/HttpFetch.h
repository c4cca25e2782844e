#pragma once

// GET downloads on the shared network access manager. Every download ends in
// exactly one call of its handler (also on a timeout, a refused connection, a
// reply past its kind's limits or an unusable URL) unless it is cancelled first.

#include "core/ReplyLimits.h"

#include <QByteArray>
#include <QNetworkReply>
#include <QPointer>
#include <QString>
#include <functional>

class QObject;

struct HttpFetchResult {
    bool ok = false;
    QByteArray body;
    int httpStatus = 0; // 0 when the reply carried none
    QString errorText;
};

class HttpFetch {
public:
    using Handler = std::function<void(const HttpFetchResult&)>;

    // Give up when no data moves for this long.
    static int transferTimeoutMilliseconds;

    // Starts the download; `done` runs on the main thread while `context`
    // lives (the manager when null). The reply deletes itself when finished.
    static QPointer<QNetworkReply> get(const QString& urlString, ReplyKind kind, QObject* context, Handler done);

    // Stops a running download without calling its handler.
    static void cancel(QPointer<QNetworkReply>& reply);

    // Transport errors, a status outside 200...299 and an empty body (other
    // than for 204 and 205) are failures; anything else is content.
    static HttpFetchResult resultOf(QNetworkReply* reply);
};
