#include "DecoderInput.h"

#include "FuzzEnvironment.h"

// Every decoder target starts the same way; this file is part of each.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startFuzzEnvironment();
    return 0;
}

DecoderInput decoderInputOf(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return { QSize(1, 1), {} };
    constexpr int maxPixels = 1 << 16;
    const int width = 1 + (data[0] | data[1] << 8) % 4096;
    const int height = qMin(1 + (data[2] | data[3] << 8) % 4096, qMax(1, maxPixels / width));
    return { QSize(width, height), QByteArray(reinterpret_cast<const char*>(data) + 4, qsizetype(size - 4)) };
}

void requireDecodedAt(const QImage& image, QSize size)
{
    if (image.isNull())
        return;
    requireThat(image.size() == size, "decoded at the size asked for");
    requireThat(image.depth() == 32 && image.colorCount() == 0, "decoded in a 32-bit format");
}
