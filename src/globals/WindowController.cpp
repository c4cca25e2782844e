#include "globals/WindowController.h"

#include <QDebug>

#include <cstdio>

void WindowController::closeWindow()
{
    const QString description = m_window ? QStringLiteral("Optional(%1)").arg(m_window->metaObject()->className())
                                         : QStringLiteral("nil");
    std::printf("Trying to close window: %s\n", qPrintable(description));
    std::fflush(stdout);
    if (m_window)
        m_window->close();
}

void WindowController::windowWillClose()
{
    std::printf("窗口将要关闭\n");
    std::fflush(stdout);
}
