#pragma once

// Turns the canvas's Base64 SVG back into the SVG's UTF-8 bytes: strict
// Base64, then UTF-8, then percent-decoding whose result must be UTF-8 too.

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

struct SvgPayloadError {
    // The line printed for this failure, e.g. "Base64 解码失败".
    QString message;
};

std::variant<QByteArray, SvgPayloadError> decodeSvgPayload(const QString& svgBase64);

// Replaces every %XX with the byte it names; nothing when a percent sign
// starts no valid escape or the result is not UTF-8.
std::optional<QByteArray> removePercentEncoding(const QByteArray& utf8Text);

bool isValidUtf8(const QByteArray& bytes);
