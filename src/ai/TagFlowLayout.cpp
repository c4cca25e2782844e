#include "ai/TagFlowLayout.h"

#include <algorithm>

QList<QRectF> TagFlowLayout::place(const QList<double>& chipWidths, double chipHeight, double width)
{
    QList<QRectF> frames;
    frames.reserve(chipWidths.size());
    double x = 0;
    double y = 0;
    for (double chipWidth : chipWidths) {
        if (x + chipWidth > width) {
            x = 0;
            y += chipHeight;
        }
        frames.append(QRectF(x, y, chipWidth, chipHeight));
        x += chipWidth;
    }
    return frames;
}

double TagFlowLayout::height(const QList<QRectF>& frames)
{
    double bottom = 0;
    for (const QRectF& frame : frames)
        bottom = std::max(bottom, frame.bottom());
    return bottom;
}
