#include "editor/LoadingOverlay.h"

#include <QPainter>
#include <QTimer>

namespace {
constexpr int spinnerSize = 40;
constexpr int frameMs = 16;
constexpr int degreesPerFrame = 6;
} // namespace

LoadingOverlay::LoadingOverlay(QWidget* parent)
    : QWidget(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(frameMs);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_angle = (m_angle + degreesPerFrame) % 360;
        update();
    });
    hide();
}

void LoadingOverlay::setActive(bool active)
{
    setVisible(active);
    if (active) {
        raise();
        m_timer->start();
    } else {
        m_timer->stop();
    }
}

void LoadingOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(0x1E, 0x1E, 0x1E, 140));
    const QRectF box(width() / 2.0 - spinnerSize / 2.0, height() / 2.0 - spinnerSize / 2.0, spinnerSize, spinnerSize);
    painter.setPen(QPen(QColor(255, 255, 255, 60), 4));
    painter.drawEllipse(box);
    painter.setPen(QPen(QColor(0x00, 0x7A, 0xFF), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(box, -m_angle * 16, 100 * 16);
}
