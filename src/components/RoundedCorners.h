#pragma once

#include <QColor>
#include <QPainterPath>
#include <QWidget>

struct CornerRadii {
    double tl = 0;
    double tr = 0;
    double bl = 0;
    double br = 0;

    friend bool operator==(const CornerRadii&, const CornerRadii&) = default;
};

// Fills its whole frame with one colour, each corner rounded with its own
// radius (kept within half the width and half the height).
class RoundedCorners : public QWidget {
    Q_OBJECT
public:
    explicit RoundedCorners(const QColor& color = Qt::white, const CornerRadii& radii = {}, QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    CornerRadii radii() const { return m_radii; }
    void setRadii(const CornerRadii& radii);

    // Radii that fit `size`: none negative, none beyond half a side.
    static CornerRadii clamped(const CornerRadii& radii, const QSizeF& size);
    static QPainterPath path(const QRectF& rect, const CornerRadii& radii);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
    CornerRadii m_radii;
};
