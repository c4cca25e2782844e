// BMP files through the decoder that reads large ones in bands.

#include "DecoderInput.h"
#include "pictures/decoding/BmpBandDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const DecoderInput input = decoderInputOf(data, size);
    requireDecodedAt(BmpBandDecoder::decode(input.file, input.size), input.size);
    return 0;
}
