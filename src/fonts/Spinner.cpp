#include "fonts/Spinner.h"

#include <QPainter>
#include <QTimer>

namespace {
constexpr int frameMilliseconds = 16;
constexpr int degreesPerFrame = 6;
} // namespace

Spinner::Spinner(QColor color, int diameter, QWidget* parent)
    : QWidget(parent)
    , m_color(color)
    , m_diameter(diameter)
    , m_timer(new QTimer(this))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timer->setInterval(frameMilliseconds);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_angle = (m_angle + degreesPerFrame) % 360;
        update();
    });
}

bool Spinner::isSpinning() const
{
    return m_timer->isActive();
}

void Spinner::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_timer->start();
}

void Spinner::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_timer->stop();
}

void Spinner::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal pen = qMax(1.5, m_diameter / 10.0);
    const QRectF box((width() - m_diameter) / 2.0 + pen / 2, (height() - m_diameter) / 2.0 + pen / 2, m_diameter - pen,
        m_diameter - pen);
    QColor track = m_color;
    track.setAlphaF(0.25);
    painter.setPen(QPen(track, pen));
    painter.drawEllipse(box);
    painter.setPen(QPen(m_color, pen, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(box, -m_angle * 16, 100 * 16);
}
