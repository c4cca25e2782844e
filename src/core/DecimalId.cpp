#include "core/DecimalId.h"

#include <limits>

std::optional<qint64> parseDecimalId(const QString& text)
{
    qsizetype position = 0;
    bool negative = false;
    if (!text.isEmpty() && (text.front() == QLatin1Char('+') || text.front() == QLatin1Char('-'))) {
        negative = text.front() == QLatin1Char('-');
        position = 1;
    }
    if (position == text.size())
        return std::nullopt;
    // Accumulate as a negative number so the minimum value fits too.
    constexpr qint64 minimum = std::numeric_limits<qint64>::min();
    qint64 value = 0;
    for (; position < text.size(); ++position) {
        const QChar c = text.at(position);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        const int digit = c.unicode() - '0';
        if (value < (minimum + digit) / 10)
            return std::nullopt;
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    if (value == minimum)
        return std::nullopt;
    return -value;
}

qint64 decimalIdOr(const QString& text, qint64 fallback)
{
    return parseDecimalId(text).value_or(fallback);
}
