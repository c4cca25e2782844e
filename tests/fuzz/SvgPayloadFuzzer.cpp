// The canvas's Base64 SVG through the payload decoder the save flow uses:
// the bytes as the Base64 text itself, and the bytes Base64-encoded so that
// the UTF-8 and percent-decoding steps see them.

#include "FuzzEnvironment.h"
#include "api/SvgPayloadDecoder.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startFuzzEnvironment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    decodeSvgPayload(QString::fromLatin1(bytes));

    const auto result = decodeSvgPayload(QString::fromLatin1(bytes.toBase64()));
    if (const auto* svg = std::get_if<QByteArray>(&result)) {
        requireThat(isValidUtf8(*svg), "a decoded SVG is UTF-8");
        requireThat(bytes.contains('%') || *svg == bytes, "text without escapes comes back unchanged");
        requireThat(*svg == QByteArray::fromPercentEncoding(bytes), "escapes decode as percent-encoding does");
    } else {
        requireThat(!isValidUtf8(bytes) || bytes.contains('%'), "UTF-8 without escapes always decodes");
    }
    return 0;
}
