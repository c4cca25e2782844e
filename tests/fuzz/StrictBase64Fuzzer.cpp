// Strict Base64 against an independent statement of its grammar: accepted
// exactly when the grammar allows it, and then decoded as Qt decodes it.

#include "FuzzEnvironment.h"
#include "api/StrictBase64.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startFuzzEnvironment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QRegularExpression grammar(
        QStringLiteral("\\A(?:[A-Za-z0-9+/]{4})*(?:[A-Za-z0-9+/]{2}==|[A-Za-z0-9+/]{3}=)?\\z"));
    // Mostly Latin-1 text; inputs that start with 0xFF are read as UTF-16 instead.
    const bool wide = size > 0 && data[0] == 0xFF;
    const QString text = wide ? utf16Of(data + 1, size - 1)
                              : QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<QByteArray> decoded = decodeStrictBase64(text);
    requireThat(decoded.has_value() == grammar.match(text).hasMatch(), "accepted exactly when the grammar allows");
    if (decoded)
        requireThat(*decoded == QByteArray::fromBase64(text.toLatin1()), "decoded as standard Base64");
    return 0;
}
