#include "core/AverageColor.h"

std::optional<QColor> averageColor(const QImage& image)
{
    if (image.isNull() || image.width() == 0 || image.height() == 0)
        return std::nullopt;
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    quint64 sums[4] = { 0, 0, 0, 0 };
    for (int y = 0; y < rgba.height(); ++y) {
        const uchar* line = rgba.constScanLine(y);
        for (int x = 0; x < rgba.width(); ++x) {
            for (int channel = 0; channel < 4; ++channel)
                sums[channel] += line[x * 4 + channel];
        }
    }
    const quint64 count = static_cast<quint64>(rgba.width()) * static_cast<quint64>(rgba.height());
    auto byte = [count](quint64 sum) { return static_cast<int>(sum / count); };
    return QColor::fromRgb(byte(sums[0]), byte(sums[1]), byte(sums[2]), byte(sums[3]));
}
