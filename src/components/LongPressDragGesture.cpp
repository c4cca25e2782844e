#include "components/LongPressDragGesture.h"

#include <QLineF>

void LongPressDragGesture::begin(const QPointF& point)
{
    m_phase = Phase::Pressing;
    m_pressPoint = point;
    m_translation = {};
}

void LongPressDragGesture::pressElapsed()
{
    if (m_phase == Phase::Pressing)
        m_phase = Phase::Pressed;
}

bool LongPressDragGesture::move(const QPointF& point)
{
    const double distance = QLineF(m_pressPoint, point).length();
    const QSizeF translation(point.x() - m_pressPoint.x(), point.y() - m_pressPoint.y());
    switch (m_phase) {
    case Phase::Idle:
        return false;
    case Phase::Pressing:
        // Moving away before the press is recognised means the user is not holding the thumb.
        if (distance > maximumPressDistance)
            cancel();
        return false;
    case Phase::Pressed:
        if (distance < minimumDragDistance)
            return false;
        m_phase = Phase::Dragging;
        m_translation = translation;
        return true;
    case Phase::Dragging:
        if (translation == m_translation)
            return false;
        m_translation = translation;
        return true;
    }
    return false;
}

std::optional<QSizeF> LongPressDragGesture::end()
{
    const bool dragged = m_phase == Phase::Dragging;
    const QSizeF translation = m_translation;
    cancel();
    if (!dragged)
        return std::nullopt;
    return translation;
}

void LongPressDragGesture::cancel()
{
    m_phase = Phase::Idle;
    m_translation = {};
}

DragState LongPressDragGesture::state() const
{
    switch (m_phase) {
    case Phase::Pressing:
        return DragState::pressing();
    case Phase::Pressed:
        // The press has succeeded; the drag has no value yet.
        return DragState::dragging({ 0, 0 });
    case Phase::Dragging:
        return DragState::dragging(m_translation);
    case Phase::Idle:
        break;
    }
    return DragState::inactive();
}
