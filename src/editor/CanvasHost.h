#pragma once

#include <QPointer>
#include <QWidget>

class EditLogoViewModel;
class LoadSvgFailView;
class LoadingOverlay;

// The canvas area: the shared canvas web view, the loading overlay and the
// load-failure view. The web view belongs to its controller and outlives
// this host, so the host gives it back before it goes.
class CanvasHost : public QWidget {
    Q_OBJECT
public:
    CanvasHost(EditLogoViewModel& model, QWidget* parent);
    ~CanvasHost() override;

    // Takes the web view out of this host; it stays alive, hidden.
    void detachCanvas();
    QWidget* canvasView() const { return m_canvasView; }
    LoadingOverlay* loadingOverlay() const { return m_loadingOverlay; }
    LoadSvgFailView* failView() const { return m_failView; }

private:
    EditLogoViewModel& m_model;
    QPointer<QWidget> m_canvasView;
    LoadingOverlay* m_loadingOverlay;
    LoadSvgFailView* m_failView;
};
