#pragma once

#include <QObject>
#include <QPointer>

class QAbstractScrollArea;
class QWidget;

// Hands the wheel turns over the canvas to the scroll area the canvas lies
// in, where the editor scrolls. The canvas view lies over that area rather
// than inside it, and Qt WebEngine takes every wheel turn its render widget
// receives, even one the page does not use: without this, a turn over the
// canvas would scroll nothing while one beside it scrolls the editor.
// Ctrl+wheel stays the page's (which cancels it, so nothing zooms), and while no
// area is set every turn does.
class CanvasWheelForwarder : public QObject {
public:
    explicit CanvasWheelForwarder(QObject* parent = nullptr);

    // The canvas view: its render widget (its focus proxy) takes the turns,
    // also one the view puts in later (a renderer made anew brings its own).
    // A turn over what covers the canvas (the loading cover, the failure
    // view), which leaves it unused, reaches `stage`, which holds them both.
    void watch(QWidget* view, QWidget* stage);
    // The area whose viewport gets the turns; none: the page keeps them.
    void scrollIn(QAbstractScrollArea* area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool takesTurnsAt(QObject* watched) const;

    QPointer<QWidget> m_view;
    QPointer<QWidget> m_stage;
    QPointer<QAbstractScrollArea> m_area;
};
