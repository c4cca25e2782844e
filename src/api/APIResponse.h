#pragma once

// What came back for one request: either an HTTP reply (any status) or a
// transport error when no reply arrived at all.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

struct APIResponse {
    int statusCode = 0;
    QByteArray data;
    // The request that produced the reply, for the diagnostic lines.
    QUrl requestURL;
    QByteArray requestMethod;
    QList<QPair<QByteArray, QByteArray>> requestHeaders;
    qsizetype requestBodySize = 0;
};

// No reply arrived: refused connection, time-out, dropped connection and the like.
struct TransportError {
    int code = 0;
    QString description;
};
