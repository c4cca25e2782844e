#pragma once

// Limits on what one network request may cost: how many bytes its reply may
// carry and how long the whole request may take. The idle time-out of a
// request never trips on a server that keeps sending, slowly or without end;
// these limits do. A request past either is aborted, its buffered bytes are
// freed, and it ends as a transport failure.

#include <QString>
#include <chrono>
#include <optional>

class QNetworkReply;

enum class ReplyKind {
    Json, // an API reply; the longest, the full template list, runs to about 10.5 MB
    Image, // pictures, thumbnails and exported images
    DesignFile, // a design's or a graphic's SVG file
    Font, // a font file; the largest shipped font is 19.5 MB
    Upload, // the reply to an upload, whose body may take a while to send
};

struct ReplyBounds {
    qint64 maxBytes = 0;
    std::chrono::milliseconds deadline { 0 };
};

class ReplyLimits {
public:
    static ReplyBounds boundsFor(ReplyKind kind);
    // Tests shorten the limits of a kind to exercise them quickly.
    static void setBoundsFor(ReplyKind kind, ReplyBounds bounds);
    static void restoreDefaults();

    // Watches `reply` until it finishes: aborts it once it announces or has
    // received more than the kind's byte limit, or runs past its deadline.
    static void enforce(QNetworkReply* reply, ReplyKind kind);
    // Why a finished reply was stopped by its limits, or none.
    static std::optional<QString> breachOf(const QNetworkReply* reply);
};
