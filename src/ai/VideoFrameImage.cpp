#include "ai/VideoFrameImage.h"

#include <QVideoFrameFormat>
#include <algorithm>

namespace {

// Fixed-point (× 1024) coefficients of one YCbCr-to-RGB conversion.
struct YuvCoefficients {
    int yScale, yOffset, rv, gu, gv, bu;
};

YuvCoefficients coefficientsFor(const QVideoFrameFormat& format)
{
    const bool full = format.colorRange() == QVideoFrameFormat::ColorRange_Full;
    const bool bt709 = format.colorSpace() == QVideoFrameFormat::ColorSpace_BT709;
    // Kr/Kb of BT.601 or BT.709; limited range scales luma from 16–235 and chroma from 16–240.
    const double kr = bt709 ? 0.2126 : 0.299;
    const double kb = bt709 ? 0.0722 : 0.114;
    const double kg = 1 - kr - kb;
    const double yScale = full ? 1.0 : 255.0 / 219.0;
    const double cScale = full ? 1.0 : 255.0 / 224.0;
    auto fixed = [](double value) { return int(value * 1024 + (value < 0 ? -0.5 : 0.5)); };
    return { fixed(yScale), full ? 0 : 16, fixed(2 * (1 - kr) * cScale), fixed(-2 * (1 - kb) * kb / kg * cScale),
        fixed(-2 * (1 - kr) * kr / kg * cScale), fixed(2 * (1 - kb) * cScale) };
}

inline uchar clampByte(int value)
{
    return uchar(std::clamp(value >> 10, 0, 255));
}

// `uAt(x)`/`vAt(x)` read a row's chroma for pixel column x.
template <class ChromaU, class ChromaV>
void convertRow(const uchar* luma, ChromaU uAt, ChromaV vAt, QRgb* out, int width, const YuvCoefficients& k)
{
    for (int x = 0; x < width; ++x) {
        const int y = (luma[x] - k.yOffset) * k.yScale;
        const int u = uAt(x) - 128;
        const int v = vAt(x) - 128;
        out[x] = qRgb(clampByte(y + k.rv * v), clampByte(y + k.gu * u + k.gv * v), clampByte(y + k.bu * u));
    }
}

} // namespace

QImage videoFrameImage(const QVideoFrame& frame)
{
    const QVideoFrameFormat::PixelFormat layout = frame.pixelFormat();
    if (layout != QVideoFrameFormat::Format_YUV420P && layout != QVideoFrameFormat::Format_NV12)
        return frame.toImage();
    QVideoFrame mapped(frame);
    if (!mapped.map(QVideoFrame::ReadOnly))
        return frame.toImage();
    const int width = mapped.width();
    const int height = mapped.height();
    const YuvCoefficients k = coefficientsFor(mapped.surfaceFormat());
    QImage image(width, height, QImage::Format_RGB32);
    for (int row = 0; row < height; ++row) {
        const uchar* luma = mapped.bits(0) + row * mapped.bytesPerLine(0);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(row));
        if (layout == QVideoFrameFormat::Format_YUV420P) {
            const uchar* u = mapped.bits(1) + (row / 2) * mapped.bytesPerLine(1);
            const uchar* v = mapped.bits(2) + (row / 2) * mapped.bytesPerLine(2);
            convertRow(
                luma, [u](int x) { return u[x / 2]; }, [v](int x) { return v[x / 2]; }, out, width, k);
        } else {
            const uchar* uv = mapped.bits(1) + (row / 2) * mapped.bytesPerLine(1);
            convertRow(
                luma, [uv](int x) { return uv[(x / 2) * 2]; }, [uv](int x) { return uv[(x / 2) * 2 + 1]; }, out, width,
                k);
        }
    }
    mapped.unmap();
    return image;
}
