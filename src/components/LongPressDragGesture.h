#pragma once

#include "components/DragState.h"

#include <QPointF>
#include <optional>

// A long press followed by a drag, as the slider thumbs use it. The owner
// feeds it pointer events and tells it when the minimum press time has
// passed; it holds no timer itself, so tests can drive it step by step.
class LongPressDragGesture {
public:
    enum class Phase {
        Idle, // no gesture
        Pressing, // pointer down, minimum press time not yet reached
        Pressed, // press succeeded, the drag has not begun
        Dragging, // drag under way
    };

    static constexpr int minimumPressMs = 50;
    static constexpr double maximumPressDistance = 10;
    static constexpr double minimumDragDistance = 10;

    void begin(const QPointF& point);
    // The minimum press time has passed.
    void pressElapsed();
    // Returns true when the drag's translation changed.
    bool move(const QPointF& point);
    // Ends the gesture; returns the drag's final translation when the drag
    // phase was reached, nothing otherwise.
    std::optional<QSizeF> end();
    void cancel();

    Phase phase() const { return m_phase; }
    bool isActive() const { return m_phase != Phase::Idle; }
    DragState state() const;

private:
    Phase m_phase = Phase::Idle;
    QPointF m_pressPoint;
    QSizeF m_translation;
};
