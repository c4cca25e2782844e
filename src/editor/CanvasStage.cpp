#include "editor/CanvasStage.h"

#include "canvas/WebViewViewController.h"
#include "globals/AppGlobals.h"

#include <QAbstractScrollArea>
#include <QEvent>

CanvasStage::CanvasStage(WebViewViewController& controller, QWidget* window)
    : QWidget(window)
    , m_controller(controller)
    , m_plate(new QWidget(this))
{
    setObjectName(QStringLiteral("CanvasStage"));
    const QSize canvasSize(static_cast<int>(canvasWidth), static_cast<int>(canvasHeight));
    resize(canvasSize);
    m_plate->setFixedSize(canvasSize);
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
    if (watched != parent() && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        followArea();
    return QWidget::eventFilter(watched, event);
}

void CanvasStage::holdCanvas()
{
    QWidget* view = m_controller.view();
    m_wheel.watch(view, this);
    if (view->parentWidget() == m_plate)
        return;
    view->setParent(m_plate);
    view->move(0, 0);
    view->show();
    // Whatever covers the canvas (the loading overlay, the failure view) goes above it.
    view->lower();
}

void CanvasStage::coverArea(const QWidget* canvasArea)
{
    for (const QPointer<QWidget>& widget : m_areaChain) {
        if (widget)
            widget->removeEventFilter(this);
    }
    m_areaChain.clear();
    m_area = canvasArea;
    QAbstractScrollArea* scrollArea = nullptr;
    for (QWidget* widget = const_cast<QWidget*>(canvasArea); widget && widget != parentWidget();
         widget = widget->parentWidget()) {
        widget->installEventFilter(this);
        m_areaChain.emplace_back(widget);
        if (!scrollArea)
            scrollArea = qobject_cast<QAbstractScrollArea*>(widget);
    }
    m_wheel.scrollIn(scrollArea);
    followArea();
    show();
    raise();
}

// The stage covers what the area's ancestors let be seen of it, so that the
// canvas never lies over what surrounds the area (a scroll area's bars); the
// plate keeps the canvas where the area is.
void CanvasStage::followArea()
{
    if (!m_area)
        return;
    QWidget* window = parentWidget();
    const QPoint areaOrigin = m_area->mapTo(window, QPoint(0, 0));
    QRect seen(areaOrigin, m_area->size());
    for (const QWidget* widget = m_area->parentWidget(); widget && widget != window; widget = widget->parentWidget())
        seen &= QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
    seen &= window->rect();
    if (seen.isEmpty())
        seen = QRect(areaOrigin, QSize(0, 0));
    setGeometry(seen);
    m_plate->move(areaOrigin - seen.topLeft());
}
