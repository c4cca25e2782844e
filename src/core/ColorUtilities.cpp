#include "core/ColorUtilities.h"

#include "core/Log.h"

#include <algorithm>
#include <cmath>

namespace {

double clampUnit(double value)
{
    if (std::isnan(value))
        return 0.0;
    return std::clamp(value, 0.0, 1.0);
}

int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Reads an unsigned hex number from the start of `text` after blanks and an
// optional "0x", stopping at the first other character; 0 when there is
// none, the largest value when it overflows.
std::uint32_t scanHexNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    if (i + 2 < text.size() && text.mid(i, 2).compare(u"0x", Qt::CaseInsensitive) == 0
        && hexDigitValue(text[i + 2]) >= 0)
        i += 2;
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = hexDigitValue(text[i]);
        if (digit < 0)
            break;
        value = std::min<std::uint64_t>(value * 16 + static_cast<std::uint64_t>(digit), 0xFFFFFFFFull);
    }
    return static_cast<std::uint32_t>(value);
}

QColor fromComponents(std::uint32_t rgb, double alpha)
{
    return QColor::fromRgbF(static_cast<float>(((rgb >> 16) & 0xFF) / 255.0),
        static_cast<float>(((rgb >> 8) & 0xFF) / 255.0), static_cast<float>((rgb & 0xFF) / 255.0),
        static_cast<float>(clampUnit(alpha)));
}

} // namespace

QColor Color(std::int64_t hex, double alpha)
{
    return fromComponents(static_cast<std::uint32_t>(hex & 0xFFFFFF), alpha);
}

QColor colorFromHex32(std::uint32_t hex, double alpha)
{
    return fromComponents(hex & 0xFFFFFF, alpha);
}

QColor colorFromRGB(double red, double green, double blue, double alpha)
{
    return QColor::fromRgbF(static_cast<float>(clampUnit(red / 255.0)), static_cast<float>(clampUnit(green / 255.0)),
        static_cast<float>(clampUnit(blue / 255.0)), static_cast<float>(clampUnit(alpha)));
}

QColor colorHex(const QString& text)
{
    QStringView trimmed = QStringView(text).trimmed();
    if (trimmed.startsWith(u'#'))
        trimmed = trimmed.mid(1);
    return fromComponents(scanHexNumber(trimmed), 1.0);
}

QColor colorFromHexString(const QString& text, double alpha)
{
    const HexComponents components = hexComponents(text);
    if (!components.isComplete())
        return QColor::fromRgbF(1, 1, 1, static_cast<float>(clampUnit(alpha)));
    return colorFromRGB(*components.red, *components.green, *components.blue, alpha);
}

HexComponents hexComponents(const QString& text)
{
    if (text.size() < 6)
        return {};
    QString digits = text.toUpper();
    if (digits.startsWith(QLatin1String("0X")) || digits.startsWith(QLatin1String("##")))
        digits.remove(0, 2);
    if (digits.startsWith(u'#'))
        digits.remove(0, 1);
    // "0X1234" or "#12345": too short for three two-character pieces.
    if (digits.size() < 6)
        return {};
    auto piece = [&digits](qsizetype offset) {
        return static_cast<double>(scanHexNumber(QStringView(digits).mid(offset, 2)));
    };
    return { piece(0), piece(2), piece(4) };
}

std::optional<QString> hexString(const QColor& color)
{
    if (!color.isValid())
        return std::nullopt;
    const QColor rgb = color.toRgb();
    // Truncated toward zero, not rounded: 0.5 gives 7F.
    auto byte = [](float component) { return static_cast<int>(std::clamp(component * 255.0, 0.0, 255.0)); };
    return QString::asprintf("#%02X%02X%02X", byte(rgb.redF()), byte(rgb.greenF()), byte(rgb.blueF()));
}

HSV rgbToHSV(double red, double green, double blue)
{
    const double maximum = std::max({ red, green, blue });
    const double minimum = std::min({ red, green, blue });
    const double delta = maximum - minimum;
    HSV hsv;
    if (maximum == minimum)
        hsv.hue = 0;
    else if (maximum == red)
        hsv.hue = (green - blue) * 60 / delta + (green < blue ? 360 : 0);
    else if (maximum == green)
        hsv.hue = (blue - red) * 60 / delta + 120;
    else
        hsv.hue = (red - green) * 60 / delta + 240;
    hsv.saturation = maximum == 0 ? 0 : delta / maximum;
    hsv.value = maximum;
    printLine(QStringLiteral("r = %1, g = %2, b = %3").arg(red).arg(green).arg(blue));
    printLine(QStringLiteral("h = %1").arg(hsv.hue));
    printLine(QStringLiteral("s = %1").arg(hsv.saturation));
    printLine(QStringLiteral("v = %1").arg(hsv.value));
    return hsv;
}
