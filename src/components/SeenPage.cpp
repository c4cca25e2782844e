#include "components/SeenPage.h"

#include <QWidget>

SeenPage::SeenPage(QWidget* window)
    : QObject(window)
{
}

void SeenPage::setPage(QWidget* page)
{
    if (m_page == page)
        return;
    m_page = page;
    Q_EMIT changed();
}

void SeenPage::setWindowShown(bool shown)
{
    if (m_windowShown == shown)
        return;
    m_windowShown = shown;
    Q_EMIT changed();
}

bool SeenPage::shows(const QWidget* widget) const
{
    return m_windowShown && m_page && (m_page == widget || m_page->isAncestorOf(widget));
}

SeenPage* SeenPage::of(const QWidget* widget)
{
    return widget->window()->findChild<SeenPage*>(QString(), Qt::FindDirectChildrenOnly);
}
