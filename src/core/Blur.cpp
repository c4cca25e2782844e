#include "core/Blur.h"

#include <QPainter>

Blur::Blur(const QString& styleName, QWidget* parent)
    : QWidget(parent)
    , m_styleName(styleName)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void Blur::setStyleName(const QString& styleName)
{
    m_styleName = styleName;
    update();
}

QColor Blur::tint() const
{
    if (m_styleName.contains(QLatin1String("Dark")))
        return QColor(30, 30, 30, 200);
    return QColor(246, 246, 246, 200);
}

void Blur::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), tint());
}
