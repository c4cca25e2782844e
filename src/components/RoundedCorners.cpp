#include "components/RoundedCorners.h"

#include <QPainter>
#include <algorithm>

RoundedCorners::RoundedCorners(const QColor& color, const CornerRadii& radii, QWidget* parent)
    : QWidget(parent)
    , m_color(color)
    , m_radii(radii)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void RoundedCorners::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void RoundedCorners::setRadii(const CornerRadii& radii)
{
    m_radii = radii;
    update();
}

CornerRadii RoundedCorners::clamped(const CornerRadii& radii, const QSizeF& size)
{
    const double limit = std::max(0.0, std::min(size.width(), size.height()) / 2);
    const auto fit = [limit](double r) { return std::clamp(r, 0.0, limit); };
    return { fit(radii.tl), fit(radii.tr), fit(radii.bl), fit(radii.br) };
}

QPainterPath RoundedCorners::path(const QRectF& rect, const CornerRadii& radii)
{
    const CornerRadii r = clamped(radii, rect.size());
    QPainterPath path;
    path.moveTo(rect.left() + r.tl, rect.top());
    path.lineTo(rect.right() - r.tr, rect.top());
    if (r.tr > 0)
        path.arcTo(QRectF(rect.right() - 2 * r.tr, rect.top(), 2 * r.tr, 2 * r.tr), 90, -90);
    path.lineTo(rect.right(), rect.bottom() - r.br);
    if (r.br > 0)
        path.arcTo(QRectF(rect.right() - 2 * r.br, rect.bottom() - 2 * r.br, 2 * r.br, 2 * r.br), 0, -90);
    path.lineTo(rect.left() + r.bl, rect.bottom());
    if (r.bl > 0)
        path.arcTo(QRectF(rect.left(), rect.bottom() - 2 * r.bl, 2 * r.bl, 2 * r.bl), 270, -90);
    path.lineTo(rect.left(), rect.top() + r.tl);
    if (r.tl > 0)
        path.arcTo(QRectF(rect.left(), rect.top(), 2 * r.tl, 2 * r.tl), 180, -90);
    path.closeSubpath();
    return path;
}

void RoundedCorners::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_color);
    painter.drawPath(path(rect(), m_radii));
}
