// Every literal the native side writes into a page script, read back by an
// independent JavaScript string-literal reader: it must give the input
// exactly and end where the call expects it.

#include "FuzzEnvironment.h"
#include "JsStringLiteral.h"
#include "canvas/CanvasScripts.h"
#include "canvas/InjectedScripts.h"

#include <optional>
#include <string_view>

namespace {

// `script` must be `prefix`, then the literals of `values` separated by
// `separator`, then `suffix`, and nothing else.
void requireCall(const QString& script, const QString& prefix, std::initializer_list<QString> values, QChar separator,
    const QString& suffix)
{
    requireThat(script.startsWith(prefix), "the call starts as expected");
    qsizetype pos = prefix.size();
    bool first = true;
    for (const QString& value : values) {
        if (!first) {
            requireThat(pos < script.size() && script.at(pos) == separator, "arguments stay apart");
            ++pos;
        }
        first = false;
        const auto read = readJsStringLiteral(script, pos);
        requireThat(read.has_value(), "the literal is a valid JavaScript string literal");
        requireThat(*read == value.toStdU16String(), "the literal reads back as its input");
    }
    requireThat(script.mid(pos) == suffix, "nothing follows the literal but the end of the call");
}

// The reader itself must refuse what a parser refuses, or the checks above prove nothing.
void checkTheReader()
{
    using namespace std::literals;
    const struct {
        const char16_t* source;
        std::optional<std::u16string_view> value; // nothing: refused
    } cases[] = { { u"'a\\nb'", u"a\nb"sv }, { u"'\\x41\\u0042\\u{1F600}\\q'", u"AB\U0001F600q"sv },
        { u"'it\\'s'", u"it's"sv }, { u"\"say \\\"hi\\\"\"", u"say \"hi\""sv }, { u"'a\\\nb'", u"ab"sv },
        { u"'\\0'", u"\0"sv }, { u"'a\nb'", {} }, { u"'a\rb'", {} }, { u"'a\u2028b'", {} }, { u"'\\08'", {} },
        { u"'\\1'", {} }, { u"'\\x4'", {} }, { u"'\\u{110000}'", {} }, { u"'open", {} }, { u"'a\\'", {} },
        { u"x'a'", {} } };
    for (const auto& c : cases) {
        qsizetype pos = 0;
        const QString source = QString::fromUtf16(c.source);
        const auto value = readJsStringLiteral(source, pos);
        const bool asExpected = c.value ? value && *value == *c.value && pos == source.size() : !value;
        requireThat(asExpected, "the literal reader reads its own examples right");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startFuzzEnvironment();
    checkTheReader();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Any UTF-16, lone surrogates included, for the editor's calls.
    const QString text = utf16Of(data, size);
    requireCall(CanvasScripts::jsq(text), {}, { text }, {}, {});
    requireCall(CanvasScripts::addText(text), QStringLiteral("addText("), { text }, {}, QStringLiteral(")"));
    const QString family = text.left(text.size() / 2);
    const QString location = text.mid(text.size() / 2);
    requireCall(CanvasScripts::loadFont(family, location), QStringLiteral("LoadFont("), { family, location },
        QLatin1Char(','), QStringLiteral(",'normal','normal',0)"));

    // The base URL comes from configuration text, so it is always well-formed UTF-16.
    const QString baseUrl = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    requireCall(InjectedScripts::baseUrlAssignment(baseUrl), QStringLiteral("window.tessalyBaseUrl = "), { baseUrl },
        {}, QStringLiteral(";"));
    return 0;
}
