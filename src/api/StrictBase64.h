#pragma once

// Strict standard Base64: every character in the alphabet, padding only at
// the end and a length that is a multiple of four. Line breaks and spaces fail.

#include <QByteArray>
#include <QString>
#include <optional>

std::optional<QByteArray> decodeStrictBase64(const QString& text);
