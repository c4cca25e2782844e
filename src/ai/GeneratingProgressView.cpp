#include "ai/GeneratingProgressView.h"

#include "core/ColorUtilities.h"
#include "core/Localization.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int captionGap = 18 + 2 * 8; // the spacer and the stack's spacing on both sides
constexpr int captionPixelSize = 16;
constexpr double barRadius = 10;
constexpr int viewWidth = 240;

void fillBar(QPainter& painter, const QRectF& bar, const QBrush& brush)
{
    QPainterPath shape;
    shape.addRoundedRect(bar, std::min(barRadius, bar.height() / 2), std::min(barRadius, bar.height() / 2));
    painter.fillPath(shape, brush);
}
} // namespace

GeneratingProgressView::GeneratingProgressView(QWidget* parent)
    : QWidget(parent)
{
    QFont font = this->font();
    font.setPixelSize(captionPixelSize);
    setFont(font);
    setFixedSize(viewWidth, int(barHeight) + captionGap + fontMetrics().height());
}

void GeneratingProgressView::setAnimWidth(double width)
{
    m_animWidth = width;
    update();
}

void GeneratingProgressView::setAnimTextOpacity(double opacity)
{
    m_animTextOpacity = opacity;
    update();
}

void GeneratingProgressView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_animTextOpacity);
    const double centre = width() / 2.0;
    fillBar(painter, QRectF(centre - trackWidth / 2, 0, trackWidth, barHeight), Color(0x343A40));
    if (m_animWidth > 0) {
        const QRectF fill(centre - m_animWidth / 2, 0, m_animWidth, barHeight);
        QLinearGradient gradient(fill.topLeft(), fill.topRight());
        gradient.setColorAt(0, Color(0x5CCCAA));
        gradient.setColorAt(1, Color(0x60D733));
        fillBar(painter, fill, gradient);
    }
    painter.setPen(Color(0xCED4DA));
    const QRect caption(0, int(barHeight) + captionGap, width(), fontMetrics().height());
    painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop, localized(QStringLiteral("Generating")));
}
