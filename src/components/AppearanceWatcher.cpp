#include "components/AppearanceWatcher.h"

#include <QEvent>
#include <QWidget>

AppearanceWatcher::AppearanceWatcher(QWidget* page)
    : QObject(page)
    , m_page(page)
{
    page->installEventFilter(this);
}

bool AppearanceWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_page) {
        if (event->type() == QEvent::Show && !m_inWindow) {
            m_inWindow = true;
            Q_EMIT appeared();
        } else if (event->type() == QEvent::Hide && !m_page->window()->isVisible()) {
            m_inWindow = false;
        }
    }
    return QObject::eventFilter(watched, event);
}
