#include "ai/SeenPage.h"

#include "ai/CustomVideoPlayer.h"

#include <QWidget>

SeenPage::SeenPage(QWidget* window)
    : QObject(window)
    , m_window(window)
{
}

void SeenPage::setPage(QWidget* page)
{
    m_page = page;
    update();
}

void SeenPage::setWindowShown(bool shown)
{
    if (m_windowShown == shown)
        return;
    m_windowShown = shown;
    update();
}

void SeenPage::update()
{
    for (CustomVideoPlayer* video : m_window->findChildren<CustomVideoPlayer*>())
        video->followSeenPage();
}

bool SeenPage::shows(const QWidget* widget) const
{
    return m_windowShown && m_page && (m_page == widget || m_page->isAncestorOf(widget));
}

SeenPage* SeenPage::of(const QWidget* widget)
{
    return widget->window()->findChild<SeenPage*>(QString(), Qt::FindDirectChildrenOnly);
}
