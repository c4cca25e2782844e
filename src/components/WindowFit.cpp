#include "components/WindowFit.h"

#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <memory>

QPoint windowPosition(QSize frame, const QRect& available)
{
    return available.topLeft()
        + QPoint(std::max(0, (available.width() - frame.width()) / 2),
            std::max(0, (available.height() - frame.height()) / 2));
}

WindowFit windowFit(QSize content, const QMargins& frame, const QRect& available, int scrollBar)
{
    const QSize room = available.marginsRemoved(frame).size();
    bool scrollsAcross = content.width() > room.width();
    bool scrollsDown = content.height() > room.height();
    if (scrollsDown && !scrollsAcross)
        scrollsAcross = content.width() + scrollBar > room.width();
    if (scrollsAcross && !scrollsDown)
        scrollsDown = content.height() + scrollBar > room.height();
    const QSize size(scrollsAcross ? room.width() : content.width() + (scrollsDown ? scrollBar : 0),
        scrollsDown ? room.height() : content.height() + (scrollsAcross ? scrollBar : 0));
    return { size, scrollsAcross || scrollsDown };
}

QMargins frameMargins(const QWidget* window, int titleBar)
{
    const QRect frame = window->frameGeometry();
    const QRect inside = window->geometry();
    const QMargins margins(inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
        frame.bottom() - inside.bottom());
    if (margins.isNull())
        return QMargins(0, titleBar, 0, 0);
    return margins;
}

void refitWhenFramed(QWidget* window, int titleBar, std::function<void()> refit)
{
    QWindow* handle = window->windowHandle();
    if (!handle || handle->property("followsFrame").toBool())
        return;
    handle->setProperty("followsFrame", true);
    // Fitted before it showed, for the stand-in title bar.
    auto fitted = std::make_shared<QMargins>(0, titleBar, 0, 0);
    const auto refitIfFramed = [window, titleBar, refit = std::move(refit), fitted] {
        const QMargins frame = frameMargins(window, titleBar);
        if (frame == *fitted)
            return;
        *fitted = frame;
        refit();
    };
    QObject::connect(handle, &QWindow::xChanged, window, refitIfFramed);
    QObject::connect(handle, &QWindow::yChanged, window, refitIfFramed);
}
