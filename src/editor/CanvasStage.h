#pragma once

#include <QTimer>
#include <QWidget>

class WebViewViewController;

// The editor window's permanent home of the shared canvas view. The view is
// put in once and stays for the run while editors come and go around it:
// moving a web view to another parent recreates its rendering surface and
// recompiles its shaders, which would cost more than the rest of an open.
// When the window has stayed closed for a moment, the page gives back the
// garbage its designs left; an open right after a close doesn't wait for it.
class CanvasStage : public QWidget {
    Q_OBJECT
public:
    CanvasStage(WebViewViewController& controller, QWidget* window);

    // Puts the canvas view in when it is not here yet: on the first open, or
    // after the view was replaced by a fresh one.
    void holdCanvas();
    // Lays the stage over an editor's canvas area, above the editor.
    void coverArea(const QWidget* canvasArea);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WebViewViewController& m_controller;
    QTimer m_collectGarbage;
};
