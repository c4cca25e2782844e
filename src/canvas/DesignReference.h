#pragma once

// A design's `svg` as the server sends it is either SVG text or where to
// fetch the file from.

#include <QString>

// What a design reference from the server is: SVG text, a URL, or a path
// relative to the configured base URL.
enum class DesignReferenceKind { SvgText, Url, RelativePath };
DesignReferenceKind classifyDesignReference(const QString& reference);
// The URL to fetch a Url or RelativePath reference from.
QString designReferenceUrl(const QString& reference, const QString& baseUrl);
