#include "api/SvgPayloadDecoder.h"

#include "api/StrictBase64.h"

#include <QStringDecoder>

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    Q_UNUSED(decoded);
    return !decoder.hasError();
}

std::optional<QByteArray> removePercentEncoding(const QByteArray& utf8Text)
{
    QByteArray result;
    result.reserve(utf8Text.size());
    for (qsizetype i = 0; i < utf8Text.size(); ++i) {
        const char c = utf8Text.at(i);
        if (c != '%') {
            result.append(c);
            continue;
        }
        if (i + 2 >= utf8Text.size())
            return std::nullopt;
        const int high = hexValue(utf8Text.at(i + 1));
        const int low = hexValue(utf8Text.at(i + 2));
        if (high < 0 || low < 0)
            return std::nullopt;
        result.append(static_cast<char>(high * 16 + low));
        i += 2;
    }
    if (!isValidUtf8(result))
        return std::nullopt;
    return result;
}

std::variant<QByteArray, SvgPayloadError> decodeSvgPayload(const QString& svgBase64)
{
    const QString base64Failed = QStringLiteral("Base64 解码失败");
    const std::optional<QByteArray> decoded = decodeStrictBase64(svgBase64);
    if (!decoded || !isValidUtf8(*decoded))
        return SvgPayloadError { base64Failed };
    std::optional<QByteArray> svg = removePercentEncoding(*decoded);
    if (!svg)
        return SvgPayloadError { QStringLiteral("SVG字符串解码失败") };
    return *svg;
}
