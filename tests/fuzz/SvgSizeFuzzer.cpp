// SVG text, and Base64 of it, through the size reader the editor logs with.

#include "FuzzEnvironment.h"
#include "canvas/SvgSizeReader.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startFuzzEnvironment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    readSvgSize(QString::fromUtf8(bytes));
    readSvgSizeFromBase64(QString::fromLatin1(bytes.toBase64()));
    readSvgSizeFromBase64(QString::fromLatin1(bytes));
    return 0;
}
