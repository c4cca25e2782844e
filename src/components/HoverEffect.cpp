#include "components/HoverEffect.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QWidget>

HoverEffect* HoverEffect::apply(QWidget* widget)
{
    if (!widget)
        return nullptr;
    if (auto* existing = widget->findChild<HoverEffect*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new HoverEffect(widget);
}

HoverEffect::HoverEffect(QWidget* widget)
    : QObject(widget)
    , m_widget(widget)
    , m_opacity(new QGraphicsOpacityEffect(widget))
{
    // At full opacity the effect draws the widget directly, so it costs nothing until hovered.
    m_opacity->setOpacity(1.0);
    widget->setGraphicsEffect(m_opacity);
    widget->setAttribute(Qt::WA_Hover);
    widget->installEventFilter(this);
}

double HoverEffect::opacity() const
{
    return m_opacity->opacity();
}

bool HoverEffect::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_widget) {
        switch (event->type()) {
        case QEvent::Enter:
            setHovered(m_widget->isEnabled());
            break;
        case QEvent::EnabledChange: // a disabled view is no target
            setHovered(m_widget->isEnabled() && m_widget->underMouse());
            break;
        case QEvent::Leave:
        case QEvent::Hide: // a hidden view gets no Leave; it must come back unhovered
            setHovered(false);
            break;
        default:
            break;
        }
    }
    return false;
}

void HoverEffect::setHovered(bool hovered)
{
    if (hovered == m_hovered)
        return;
    m_hovered = hovered;
    m_opacity->setOpacity(hovered ? hoveredOpacity : 1.0);
    if (hovered)
        m_widget->setCursor(Qt::PointingHandCursor);
    else
        m_widget->unsetCursor();
}
