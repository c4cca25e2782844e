#pragma once

#include <QSizeF>

// The phase of a slider's thumb gesture. `translation()` is the drag's
// translation while dragging and (0, 0) in the other phases.
struct DragState {
    enum class Kind { Dragging, Inactive, Pressing };

    Kind kind = Kind::Inactive;
    QSizeF dragTranslation;

    static DragState dragging(const QSizeF& translation) { return { Kind::Dragging, translation }; }
    static DragState inactive() { return { Kind::Inactive, {} }; }
    static DragState pressing() { return { Kind::Pressing, {} }; }

    QSizeF translation() const;
    bool isDragging() const { return kind == Kind::Dragging; }

    friend bool operator==(const DragState& a, const DragState& b)
    {
        return a.kind == b.kind && a.translation() == b.translation();
    }
};
