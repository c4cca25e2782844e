#include "app/VisualEffectView.h"

#include "core/ColorUtilities.h"

#include <QPainter>

VisualEffectView::VisualEffectView(int material, int blendingMode, QWidget* parent)
    : QWidget(parent)
    , m_material(material)
    , m_blendingMode(blendingMode)
{
}

void VisualEffectView::setMaterial(int material)
{
    m_material = material;
    update();
}

void VisualEffectView::setBlendingMode(int blendingMode)
{
    m_blendingMode = blendingMode;
    update();
}

QColor VisualEffectView::materialColor(int material)
{
    // The full-screen UI material is a shade lighter than the page area.
    return material == fullScreenUIMaterial ? Color(0x2A2A2B) : Color(0x262626);
}

void VisualEffectView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), materialColor(m_material));
}
