#include "editor/CanvasStage.h"

#include "canvas/WebViewViewController.h"
#include "globals/AppGlobals.h"

#include <QEvent>

CanvasStage::CanvasStage(WebViewViewController& controller, QWidget* window)
    : QWidget(window)
    , m_controller(controller)
{
    setObjectName(QStringLiteral("CanvasStage"));
    setFixedSize(static_cast<int>(canvasWidth), static_cast<int>(canvasHeight));
    m_collectGarbage.setSingleShot(true);
    m_collectGarbage.setInterval(std::chrono::milliseconds(300));
    connect(&m_collectGarbage, &QTimer::timeout, this, [this] { m_controller.collectPageGarbage(); });
    window->installEventFilter(this);
}

bool CanvasStage::eventFilter(QObject* watched, QEvent* event)
{
    // The window's own hide and show (a close, an open), not the window
    // manager's minimising and restoring.
    if (watched == parent() && !event->spontaneous()) {
        if (event->type() == QEvent::Hide)
            m_collectGarbage.start();
        else if (event->type() == QEvent::Show)
            m_collectGarbage.stop();
    }
    return QWidget::eventFilter(watched, event);
}

void CanvasStage::holdCanvas()
{
    QWidget* view = m_controller.view();
    if (view->parentWidget() == this)
        return;
    view->setParent(this);
    view->move(0, 0);
    view->show();
    // Whatever covers the canvas (the loading overlay, the failure view) goes above it.
    view->lower();
}

void CanvasStage::coverArea(const QWidget* canvasArea)
{
    move(canvasArea->mapTo(parentWidget(), QPoint(0, 0)));
    show();
    raise();
}
