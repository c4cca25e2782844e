#include "editor/CanvasStage.h"

#include "canvas/WebViewViewController.h"
#include "globals/AppGlobals.h"

CanvasStage::CanvasStage(WebViewViewController& controller, QWidget* window)
    : QWidget(window)
    , m_controller(controller)
{
    setObjectName(QStringLiteral("CanvasStage"));
    setFixedSize(static_cast<int>(canvasWidth), static_cast<int>(canvasHeight));
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
