#include "globals/WindowController.h"

#include "core/Log.h"

void WindowController::closeWindow()
{
    const QString description
        = m_window ? QStringLiteral("Optional(%1)").arg(m_window->metaObject()->className()) : QStringLiteral("nil");
    printLine(QStringLiteral("Trying to close window: ") + description);
    if (m_window)
        m_window->close();
}

void WindowController::bringToFront()
{
    if (!m_window)
        return;
    if (m_window->isMinimized())
        m_window->showNormal();
    else
        m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void WindowController::windowWillClose()
{
    printLine(QStringLiteral("窗口将要关闭"));
}
