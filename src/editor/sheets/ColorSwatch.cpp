#include "editor/sheets/ColorSwatch.h"

#include <QPainter>

ColorSwatch::ColorSwatch(int color, QWidget* parent)
    : QAbstractButton(parent)
    , m_color(color & 0xFFFFFF)
{
    setFixedSize(side, side);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void ColorSwatch::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), QColor::fromRgb(QRgb(m_color)));
}
