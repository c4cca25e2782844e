#pragma once

#include <QAbstractButton>

// A flat 22 × 22 square of one colour (0xRRGGBB): no border, no hover, no
// selected state. What a click does is the subclass's.
class ColorSwatch : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int side = 22;

    ColorSwatch(int color, QWidget* parent);
    int color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_color;
};
