// A design's `svg` field as the server may send it, classified and turned
// into the address to fetch from.

#include "FuzzEnvironment.h"
#include "canvas/DesignReference.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startFuzzEnvironment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString base = QString::fromStdString(input.ConsumeRandomLengthString(64));
    const QString reference = QString::fromStdString(input.ConsumeRemainingBytesAsString());
    const DesignReferenceKind kind = classifyDesignReference(reference);
    const QString url = designReferenceUrl(reference, base);
    if (kind != DesignReferenceKind::RelativePath)
        requireThat(url == reference.trimmed(), "SVG text and absolute URLs are kept as they are");
    return 0;
}
