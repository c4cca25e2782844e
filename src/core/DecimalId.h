#pragma once

#include <QString>
#include <optional>

// Reads an id the server sent as text: an optional leading "+" or "-" and
// then decimal digits only, within the 64-bit signed range. Anything else
// (empty text, a bare sign, another character, an overflow) gives nothing.
std::optional<qint64> parseDecimalId(const QString& text);

// The parsed id, or `fallback` when the text does not parse.
qint64 decimalIdOr(const QString& text, qint64 fallback);
