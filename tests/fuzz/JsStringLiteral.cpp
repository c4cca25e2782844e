#include "JsStringLiteral.h"

namespace {

int hexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

bool isLineTerminator(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == 0x2028 || c == 0x2029;
}

// Reads exactly `count` hexadecimal digits.
std::optional<char32_t> readHex(const QString& source, qsizetype& pos, int count)
{
    char32_t value = 0;
    for (int i = 0; i < count; ++i) {
        if (pos >= source.size())
            return std::nullopt;
        const int digit = hexDigit(source.at(pos++).unicode());
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + char32_t(digit);
    }
    return value;
}

// \u{...}: one or more hexadecimal digits naming a code point.
std::optional<char32_t> readBracedCodePoint(const QString& source, qsizetype& pos)
{
    char32_t value = 0;
    int digits = 0;
    while (pos < source.size() && source.at(pos) != QLatin1Char('}')) {
        const int digit = hexDigit(source.at(pos++).unicode());
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + char32_t(digit);
        if (value > 0x10FFFF)
            return std::nullopt;
        ++digits;
    }
    if (pos >= source.size() || digits == 0)
        return std::nullopt;
    ++pos;
    return value;
}

void appendCodePoint(std::u16string& out, char32_t codePoint)
{
    if (codePoint < 0x10000) {
        out += char16_t(codePoint);
        return;
    }
    codePoint -= 0x10000;
    out += char16_t(0xD800 + (codePoint >> 10));
    out += char16_t(0xDC00 + (codePoint & 0x3FF));
}

// The escape after a backslash; false when it is not allowed in strict code.
bool readEscape(const QString& source, qsizetype& pos, std::u16string& out)
{
    if (pos >= source.size())
        return false;
    const char16_t e = source.at(pos++).unicode();
    switch (e) {
    case u'\r':
        if (pos < source.size() && source.at(pos) == QLatin1Char('\n'))
            ++pos;
        return true; // a line continuation adds nothing
    case u'\n':
    case 0x2028:
    case 0x2029:
        return true;
    case u'b':
        out += u'\b';
        return true;
    case u'f':
        out += u'\f';
        return true;
    case u'n':
        out += u'\n';
        return true;
    case u'r':
        out += u'\r';
        return true;
    case u't':
        out += u'\t';
        return true;
    case u'v':
        out += u'\v';
        return true;
    case u'0':
        if (pos < source.size() && source.at(pos).isDigit() && source.at(pos).unicode() < 0x80)
            return false; // a legacy octal escape
        out += u'\0';
        return true;
    case u'x': {
        const auto value = readHex(source, pos, 2);
        if (value)
            out += char16_t(*value);
        return value.has_value();
    }
    case u'u': {
        const bool braced = pos < source.size() && source.at(pos) == QLatin1Char('{');
        if (braced)
            ++pos;
        const auto value = braced ? readBracedCodePoint(source, pos) : readHex(source, pos, 4);
        if (value)
            appendCodePoint(out, *value);
        return value.has_value();
    }
    default:
        if (e >= u'1' && e <= u'9')
            return false; // legacy octal, \8 and \9
        out += e;
        return true;
    }
}

} // namespace

std::optional<std::u16string> readJsStringLiteral(const QString& source, qsizetype& pos)
{
    if (pos >= source.size() || (source.at(pos) != QLatin1Char('\'') && source.at(pos) != QLatin1Char('"')))
        return std::nullopt;
    const char16_t quote = source.at(pos++).unicode();
    std::u16string value;
    while (pos < source.size()) {
        const char16_t c = source.at(pos++).unicode();
        if (c == quote)
            return value;
        if (isLineTerminator(c))
            return std::nullopt;
        if (c != u'\\')
            value += c;
        else if (!readEscape(source, pos, value))
            return std::nullopt;
    }
    return std::nullopt;
}
