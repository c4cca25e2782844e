#include "api/StrictBase64.h"

namespace {

bool isAlphabet(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'+' || c == u'/';
}

} // namespace

std::optional<QByteArray> decodeStrictBase64(const QString& text)
{
    if (text.size() % 4 != 0)
        return std::nullopt;
    qsizetype padding = 0;
    while (padding < 2 && padding < text.size() && text.at(text.size() - 1 - padding) == QLatin1Char('='))
        ++padding;
    for (qsizetype i = 0; i < text.size() - padding; ++i) {
        if (!isAlphabet(text.at(i).unicode()))
            return std::nullopt;
    }
    auto result = QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!result)
        return std::nullopt;
    return *result;
}
