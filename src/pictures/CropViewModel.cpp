#include "pictures/CropViewModel.h"

#include "core/Log.h"

#include <QLocale>
#include <QRect>
#include <algorithm>
#include <cmath>

namespace {

// The lower bound first, the upper one last: a negative bound wins.
double clampAxis(double value, double bound)
{
    return std::min(std::max(value, -bound), bound);
}

QString shortest(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

CropViewModel::CropViewModel(double maskRadius_, double maxMagnificationScale_, QObject* parent)
    : QObject(parent)
    , maxMagnificationScale(maxMagnificationScale_)
    , maskRadius(maskRadius_)
{
}

void CropViewModel::setScale(double scale)
{
    m_scale = scale;
    Q_EMIT changed();
}

void CropViewModel::setOffset(const QSizeF& offset)
{
    m_offset = offset;
    Q_EMIT changed();
}

QPointF CropViewModel::maxDragOffset() const
{
    return QPointF(
        imageSizeInView.width() * 0.5 * m_scale - maskRadius, imageSizeInView.height() * 0.5 * m_scale - maskRadius);
}

std::pair<double, double> CropViewModel::magnificationLimits() const
{
    const double shorter
        = imageSizeInView.height() < imageSizeInView.width() ? imageSizeInView.height() : imageSizeInView.width();
    const double lower = (maskRadius + maskRadius) / shorter;
    return { lower, std::max(maxMagnificationScale, lower) };
}

QSizeF CropViewModel::fittedSize(const QSizeF& pictureSize, const QSizeF& frame)
{
    if (pictureSize.isEmpty())
        return {};
    return pictureSize.scaled(frame, Qt::KeepAspectRatio);
}

double CropViewModel::sliderValue(double scale)
{
    return scale * 0.30914826498422715 - 0.23659305993690852;
}

double CropViewModel::scaleForSliderValue(double value)
{
    return value * sliderScaleSpan + sliderScaleBase;
}

double CropViewModel::dampedFactor(double magnification)
{
    return (std::abs(magnification) - 1) * 0.2 + 1;
}

QSizeF CropViewModel::clampedOffset(const QSizeF& offset) const
{
    const QPointF bound = maxDragOffset();
    return QSizeF(clampAxis(offset.width(), bound.x()), clampAxis(offset.height(), bound.y()));
}

void CropViewModel::setClampedScale(double scale, bool announce)
{
    const auto [lower, upper] = magnificationLimits();
    m_scale = std::min(std::max(scale, lower), upper);
    // The pan follows from the settled one, so zooming back in restores it.
    m_offset = clampedOffset(m_lastOffset);
    if (announce)
        printLine(QStringLiteral("viewModel.scale = ") + shortest(m_scale));
    Q_EMIT changed();
}

void CropViewModel::startZoom()
{
    setClampedScale(std::max(startScale, magnificationLimits().first), false);
}

void CropViewModel::zoomBy(double magnification)
{
    zoomByFactor(dampedFactor(magnification));
}

void CropViewModel::zoomByFactor(double factor)
{
    setClampedScale(factor * m_scale);
}

void CropViewModel::zoomToSliderValue(double value)
{
    printLine(QStringLiteral("result = ") + shortest(value));
    setClampedScale(scaleForSliderValue(value));
}

void CropViewModel::endZoom()
{
    m_lastScale = m_scale;
    m_lastOffset = m_offset;
    Q_EMIT changed();
}

void CropViewModel::drag(const QSizeF& translation)
{
    m_offset = clampedOffset(m_lastOffset + translation);
    Q_EMIT changed();
}

void CropViewModel::endDrag()
{
    m_lastOffset = m_offset;
    Q_EMIT changed();
}

std::optional<QRect> CropViewModel::cropRect(const QSize& pictureSize) const
{
    const double w = pictureSize.width();
    const double h = pictureSize.height();
    const double vw = imageSizeInView.width();
    const double vh = imageSizeInView.height();
    if (pictureSize.isEmpty() || !(vw > 0) || !(vh > 0) || !(m_scale > 0))
        return std::nullopt;

    // f converts laid-out points at scale 1 into picture pixels.
    const double f = h / vh < w / vw ? h / vh : w / vw;
    const double r = f * maskRadius / m_scale;
    const double x = w * 0.5 - r - (f * m_offset.width()) / m_scale;
    const double y = h * 0.5 - r - (f * m_offset.height()) / m_scale;
    if (!std::isfinite(r) || !std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;

    // Whole pixels, and always a square inside the picture: moved in first,
    // shrunk only when the picture's shorter side is smaller.
    const int shorterSide = std::min(pictureSize.width(), pictureSize.height());
    const int side = std::clamp(int(std::lround(std::min(r + r, double(shorterSide)))), 1, shorterSide);
    const int left = int(std::lround(std::clamp(x, 0.0, double(pictureSize.width() - side))));
    const int top = int(std::lround(std::clamp(y, 0.0, double(pictureSize.height() - side))));
    return QRect(left, top, side, side);
}

std::optional<QImage> CropViewModel::crop(const QImage& image) const
{
    if (image.isNull())
        return std::nullopt;
    const std::optional<QRect> rect = cropRect(image.size());
    if (!rect)
        return std::nullopt;
    QImage cut = image.copy(*rect);
    if (cut.isNull())
        return std::nullopt;
    return cut;
}
