#include "editor/CanvasHost.h"

#include "canvas/WebViewViewController.h"
#include "components/LoadSvgFailView.h"
#include "editor/EditLogoViewModel.h"
#include "editor/LoadingOverlay.h"
#include "globals/AppGlobals.h"

CanvasHost::CanvasHost(EditLogoViewModel& model, QWidget* parent, QWidget* stage)
    : QWidget(parent)
    , m_model(model)
    , m_canvasView(model.canvas().view())
{
    QWidget* cover = stage ? stage : this;
    m_loadingOverlay = new LoadingOverlay(cover);
    m_failView = new LoadSvgFailView([this] { m_model.retryLoad(); }, [] {}, cover);

    const QSize canvasSize(static_cast<int>(canvasWidth), static_cast<int>(canvasHeight));
    setFixedSize(canvasSize);
    if (!stage) {
        m_canvasView->setParent(this);
        m_canvasView->setGeometry(QRect(QPoint(0, 0), canvasSize));
        m_canvasView->show();
        m_canvasView->lower();
    }
    m_loadingOverlay->setGeometry(QRect(QPoint(0, 0), canvasSize));
    m_failView->move(0, 0);

    connect(&model, &EditLogoViewModel::busyChanged, m_loadingOverlay, &LoadingOverlay::setActive);
    connect(&model, &EditLogoViewModel::loadFailedChanged, m_failView, [this](bool failed) {
        m_failView->setVisible(failed);
        if (failed)
            m_failView->raise();
    });
    m_failView->setVisible(model.isLoadingSvgFail());
    m_loadingOverlay->setActive(model.isBusy());
}

CanvasHost::~CanvasHost()
{
    detachCanvas();
    // On a stage they lie outside this widget and would outlive it.
    delete m_loadingOverlay.data();
    delete m_failView.data();
}

LoadingOverlay* CanvasHost::loadingOverlay() const
{
    return m_loadingOverlay;
}

LoadSvgFailView* CanvasHost::failView() const
{
    return m_failView;
}

void CanvasHost::detachCanvas()
{
    if (m_canvasView && m_canvasView->parentWidget() == this) {
        m_canvasView->hide();
        m_canvasView->setParent(nullptr);
    }
}
