#include "discovery/TapTarget.h"

#include <QMouseEvent>

void TapTarget::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void TapTarget::mouseReleaseEvent(QMouseEvent* event)
{
    const bool isTap = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (isTap)
        Q_EMIT tapped();
}
