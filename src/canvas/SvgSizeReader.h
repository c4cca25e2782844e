#pragma once

// Reads the root svg element's width and height attributes, for a log line.

#include <QString>

struct SvgSize {
    QString width = QStringLiteral("0");
    QString height = QStringLiteral("0");
};

// `svg` is SVG text; "0" for an attribute that is absent or unreadable.
SvgSize readSvgSize(const QString& svg);
// Same, from Base64 of the SVG bytes.
SvgSize readSvgSizeFromBase64(const QString& base64);
