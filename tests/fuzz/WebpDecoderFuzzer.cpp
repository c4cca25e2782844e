// WEBP files through their decoder: a still one scaled as it decodes, an
// animation's first frame composed on its canvas, then scaled.

#include "DecoderInput.h"
#include "pictures/decoding/WebpScaledDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const DecoderInput input = decoderInputOf(data, size);
    requireDecodedAt(WebpScaledDecoder::decode(input.file, input.size), input.size);
    return 0;
}
