#pragma once

// Downloads of a design's file for the canvas and the editor.

#include "core/ReplyLimits.h"

#include <QString>
#include <functional>
#include <optional>

// Passes the body as standard Base64 to `success`; on failure posts
// EditLogoViewEvent::loadSvgFail on the bus and then calls `failure`.
void downloadBase64(
    const QString& url, ReplyKind kind, std::function<void(const QString&)> success, std::function<void()> failure);

// Passes the body as UTF-8 text, or none when the download fails or the body
// isn't valid UTF-8.
void downloadText(const QString& url, std::function<void(const std::optional<QString>&)> completion);
