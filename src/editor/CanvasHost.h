#pragma once

#include <QPointer>
#include <QWidget>

class EditLogoViewModel;
class LoadSvgFailView;
class LoadingOverlay;

// The canvas area: the shared canvas web view, the loading overlay and the
// load-failure view. With a permanent stage the view stays there and the
// overlay and failure view are laid over it for this editor's life; without
// one the host takes the view in and gives it back before it goes (the view
// belongs to its controller and outlives every host).
class CanvasHost : public QWidget {
    Q_OBJECT
public:
    CanvasHost(EditLogoViewModel& model, QWidget* parent, QWidget* stage = nullptr);
    ~CanvasHost() override;

    // Takes the web view out of this host; it stays alive, hidden. With a
    // stage the view is never in the host and stays where it is.
    void detachCanvas();
    QWidget* canvasView() const { return m_canvasView; }
    LoadingOverlay* loadingOverlay() const;
    LoadSvgFailView* failView() const;

private:
    EditLogoViewModel& m_model;
    QPointer<QWidget> m_canvasView;
    QPointer<LoadingOverlay> m_loadingOverlay;
    QPointer<LoadSvgFailView> m_failView;
};
