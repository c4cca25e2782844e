#pragma once

#include "editor/CanvasWheelForwarder.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <vector>

class WebViewViewController;

// The editor window's permanent home of the shared canvas view. The view is
// put in once and stays for the run while editors come and go around it:
// moving a web view to another parent recreates its rendering surface and
// recompiles its shaders, which would cost more than the rest of an open.
// When the window has stayed closed for a moment, the page gives back the
// garbage its designs left; an open right after a close doesn't wait for it.
//
// The stage lies over the part of the editor's canvas area that can be seen
// (an editor that scrolls shows only part of it) and follows it as it moves;
// the canvas and its covers lie on a plate of the canvas's full size inside.
// Where that area lies in a scroll area, a wheel turn over the canvas scrolls
// it as one beside the canvas does.
class CanvasStage : public QWidget {
    Q_OBJECT
public:
    CanvasStage(WebViewViewController& controller, QWidget* window);

    // What the canvas view and the covers laid over it are put in.
    QWidget* plate() const { return m_plate; }
    // Puts the canvas view in when it is not here yet: on the first open, or
    // after the view was replaced by a fresh one.
    void holdCanvas();
    // Lays the stage over an editor's canvas area, above the editor, from now
    // on wherever that area moves, and hands the wheel turns over the canvas
    // to the scroll area it lies in, if any.
    void coverArea(const QWidget* canvasArea);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followArea();

    WebViewViewController& m_controller;
    QWidget* m_plate;
    QTimer m_collectGarbage;
    CanvasWheelForwarder m_wheel;
    QPointer<const QWidget> m_area;
    // The area and the widgets between it and the window: any of them moving
    // or changing size moves what can be seen of the area.
    std::vector<QPointer<QWidget>> m_areaChain;
};
