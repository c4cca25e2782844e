// PNG files of every kind through the decoder that averages rows as they are
// read. Each chunk's checksum is made right first: libpng refuses a damaged
// chunk before it reads its content, which mutations would rarely get past.

#include "DecoderInput.h"
#include "FuzzEnvironment.h"
#include "pictures/decoding/PngScaledDecoder.h"

#include <QtEndian>
#include <zlib.h>

namespace {

void mendChecksums(QByteArray& png)
{
    auto* data = reinterpret_cast<uchar*>(png.data());
    qsizetype at = 8; // after the signature
    while (at + 12 <= png.size()) {
        const quint32 length = qFromBigEndian<quint32>(data + at);
        if (length > quint32(png.size() - at - 12))
            return;
        const uLong checksum = crc32(0, data + at + 4, uInt(length + 4));
        qToBigEndian(quint32(checksum), data + at + 8 + length);
        at += 12 + qsizetype(length);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    DecoderInput input = decoderInputOf(data, size);
    mendChecksums(input.file);
    const QImage image = PngScaledDecoder::decode(input.file, input.size);
    requireDecodedAt(image, input.size);
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        return 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            requireThat(
                qRed(row[x]) <= qAlpha(row[x]) && qGreen(row[x]) <= qAlpha(row[x]) && qBlue(row[x]) <= qAlpha(row[x]),
                "premultiplied colours within their alpha");
    }
    return 0;
}
