// WEBP files through the decoder that scales as it decodes.

#include "DecoderInput.h"
#include "pictures/decoding/WebpScaledDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const DecoderInput input = decoderInputOf(data, size);
    requireDecodedAt(WebpScaledDecoder::decode(input.file, input.size), input.size);
    return 0;
}
