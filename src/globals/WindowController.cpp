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

void showInFront(QWidget* window, bool takeFocus)
{
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    if (takeFocus)
        window->activateWindow();
}

void WindowController::bringToFront()
{
    if (m_window)
        showInFront(m_window, true);
}

void WindowController::windowWillClose()
{
    printLine(QStringLiteral("窗口将要关闭"));
}
