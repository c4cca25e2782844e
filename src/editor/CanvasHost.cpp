#include "editor/CanvasHost.h"

#include "canvas/WebViewViewController.h"
#include "components/LoadSvgFailView.h"
#include "editor/EditLogoViewModel.h"
#include "editor/LoadingOverlay.h"
#include "globals/AppGlobals.h"

CanvasHost::CanvasHost(EditLogoViewModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_canvasView(model.canvas().view())
    , m_loadingOverlay(new LoadingOverlay(this))
    , m_failView(new LoadSvgFailView([this] { m_model.retryLoad(); }, [] {}, this))
{
    const QSize canvasSize(static_cast<int>(canvasWidth), static_cast<int>(canvasHeight));
    setFixedSize(canvasSize);
    m_canvasView->setParent(this);
    m_canvasView->setGeometry(QRect(QPoint(0, 0), canvasSize));
    m_canvasView->show();
    m_loadingOverlay->setGeometry(rect());
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
}

void CanvasHost::detachCanvas()
{
    if (m_canvasView && m_canvasView->parentWidget() == this) {
        m_canvasView->hide();
        m_canvasView->setParent(nullptr);
    }
}
