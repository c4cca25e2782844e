#include "editor/CanvasWheelForwarder.h"

#include <QAbstractScrollArea>
#include <QChildEvent>
#include <QCoreApplication>
#include <QWheelEvent>
#include <QWidget>

CanvasWheelForwarder::CanvasWheelForwarder(QObject* parent)
    : QObject(parent)
{
}

// The view makes a render widget its focus proxy only after putting it in,
// so every widget it puts in is watched, and the one that is its focus proxy
// when a turn comes hands the turn on.
void CanvasWheelForwarder::watch(QWidget* view, QWidget* stage)
{
    if (m_stage != stage) {
        if (m_stage)
            m_stage->removeEventFilter(this);
        m_stage = stage;
        if (stage)
            stage->installEventFilter(this);
    }
    if (m_view == view)
        return;
    if (m_view)
        m_view->removeEventFilter(this);
    m_view = view;
    if (!view)
        return;
    view->installEventFilter(this);
    for (QWidget* child : view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->installEventFilter(this);
}

void CanvasWheelForwarder::scrollIn(QAbstractScrollArea* area)
{
    m_area = area;
}

bool CanvasWheelForwarder::takesTurnsAt(QObject* watched) const
{
    return watched == m_stage || (m_view && watched != m_view && watched == m_view->focusProxy());
}

bool CanvasWheelForwarder::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view && event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            child->installEventFilter(this);
        return false;
    }
    if (event->type() != QEvent::Wheel || !m_area || !takesTurnsAt(watched))
        return false;
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (wheel->modifiers().testFlag(Qt::ControlModifier))
        return false;
    // The same turn, where it happened in the viewport, as the area takes a
    // turn beside the canvas.
    QWidget* viewport = m_area->viewport();
    const QPointF position = viewport->mapFromGlobal(static_cast<QWidget*>(watched)->mapToGlobal(wheel->position()));
    QWheelEvent forwarded(position, wheel->globalPosition(), wheel->pixelDelta(), wheel->angleDelta(), wheel->buttons(),
        wheel->modifiers(), wheel->phase(), wheel->inverted(), wheel->source(), wheel->pointingDevice());
    forwarded.setTimestamp(wheel->timestamp());
    QCoreApplication::sendEvent(viewport, &forwarded);
    return true;
}
