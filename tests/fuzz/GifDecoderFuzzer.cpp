// GIF files through the first-frame decoder, which refuses a frame cut short
// itself.

#include "DecoderInput.h"
#include "FuzzEnvironment.h"
#include "pictures/decoding/GifFirstFrameDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const DecoderInput input = decoderInputOf(data, size);
    const QImage frame = GifFirstFrameDecoder::decode(input.file, input.size);
    requireDecodedAt(frame, input.size);
    requireThat(frame.isNull() || frame.format() == QImage::Format_RGB32
            || frame.format() == QImage::Format_ARGB32_Premultiplied,
        "drawn in the format it is scaled in");
    return 0;
}
