#include "ai/PlayerView.h"

#include "ai/VideoFrameImage.h"

#include <QPaintEvent>

PlayerView::PlayerView(QWidget* parent)
    : QWidget(parent)
    , m_background(0x1E, 0x1E, 0x1E)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlayerView::setFrame(const QVideoFrame& frame)
{
    // The frame is converted only when painted, so a hidden view costs nothing.
    m_frame = frame;
    update();
}

void PlayerView::setBackgroundColor(const QColor& color)
{
    m_background = color;
    update();
}

void PlayerView::setBlendMode(QPainter::CompositionMode mode)
{
    m_blendMode = mode;
    update();
}

QRectF PlayerView::aspectFillRect(const QSizeF& imageSize, const QRectF& area)
{
    if (imageSize.isEmpty() || area.isEmpty())
        return area;
    const QSizeF covered = imageSize.scaled(area.size(), Qt::KeepAspectRatioByExpanding);
    return QRectF(area.center() - QPointF(covered.width() / 2, covered.height() / 2), covered);
}

void PlayerView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    if (!m_frame.isValid())
        return;
    const QImage image = videoFrameImage(m_frame);
    if (image.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipRect(rect());
    painter.setCompositionMode(m_blendMode);
    painter.drawImage(aspectFillRect(image.size(), rect()), image);
}
