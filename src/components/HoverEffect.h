#pragma once

#include <QObject>

class QGraphicsOpacityEffect;
class QWidget;

// Hover feedback for clickable views: while the pointer is over the widget,
// and the widget is enabled, it is drawn at opacity 0.7 with the pointing-hand
// cursor, otherwise at full opacity with the inherited cursor. It takes no part in clicks. The effect
// lives as a child of the widget and uses the widget's graphics-effect slot.
class HoverEffect : public QObject {
    Q_OBJECT
public:
    static constexpr double hoveredOpacity = 0.7;

    // Gives `widget` the hover behaviour; applying it twice keeps one.
    static HoverEffect* apply(QWidget* widget);

    bool isHovered() const { return m_hovered; }
    double opacity() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit HoverEffect(QWidget* widget);
    void setHovered(bool hovered);

    QWidget* m_widget;
    QGraphicsOpacityEffect* m_opacity;
    bool m_hovered = false;
};
