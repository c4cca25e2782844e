#include "editor/sheets/SheetValues.h"

#include <QColor>
#include <algorithm>
#include <charconv>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace SheetValues {

namespace {
bool fitsInt(double value)
{
    // INT_MAX + 1 is exact in double; anything below it truncates into range.
    return value > double(INT_MIN) - 1.0 && value < double(INT_MAX) + 1.0;
}

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    return locale;
}

bool isCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
} // namespace

double sanitized(double value, double low, double high)
{
    if (!std::isfinite(value))
        return 0;
    if (!fitsInt(value))
        return std::clamp(value, low, high);
    return value;
}

int truncatedClamped(double value, double low, double high)
{
    return static_cast<int>(sanitized(value, low, high));
}

int truncatedScale(double p, double scale)
{
    return truncatedClamped(p * scale, 0, scale);
}

int truncatedScaleViaFloat(double p, double scale)
{
    return truncatedClamped(static_cast<double>(static_cast<float>(p * scale)), 0, scale);
}

int truncatedFloatScale(double p, float scale)
{
    const float product = static_cast<float>(p) * scale;
    return truncatedClamped(static_cast<double>(product), 0, static_cast<double>(scale));
}

std::optional<float> parseCFloat(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    if (bytes.isEmpty() || isCSpace(bytes.front()) || !cLocale())
        return std::nullopt;
    char* end = nullptr;
    const float value = strtof_l(bytes.constData(), &end, cLocale());
    if (end != bytes.constData() + bytes.size())
        return std::nullopt;
    return value;
}

QString shortestFloatText(float value)
{
    char buffer[64];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    if (text.find_first_of(".eEn") == std::string::npos)
        text += ".0";
    return QString::fromStdString(text);
}

QString hueColorText(double hue)
{
    // Hue 1.0 is the same red as 0.0.
    const double wrapped = hue >= 1.0 ? 0.0 : std::clamp(hue, 0.0, 1.0);
    const QColor color = QColor::fromHsvF(static_cast<float>(wrapped), 1.0f, 1.0f, 1.0f);
    return QStringLiteral("#%1%2%3FF")
        .arg(color.red(), 2, 16, QLatin1Char('0'))
        .arg(color.green(), 2, 16, QLatin1Char('0'))
        .arg(color.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace SheetValues
