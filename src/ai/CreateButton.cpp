#include "ai/CreateButton.h"

#include "components/HoverEffect.h"
#include "core/ColorUtilities.h"
#include "core/Localization.h"
#include "core/SharedIcon.h"

#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr QSize buttonSize(120, 30);
constexpr int arrowSide = 14;
constexpr int arrowInset = 8;
constexpr double disabledOpacity = 0.4;
} // namespace

CreateButton::CreateButton(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(buttonSize);
    QFont font = this->font();
    font.setPixelSize(14);
    setFont(font);
    HoverEffect::apply(this);
}

void CreateButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(disabledOpacity);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), 3, 3);
    painter.fillPath(shape, Color(0x007AFF));
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter, localized(QStringLiteral("Create")));
    const QRect arrow(width() - arrowInset - arrowSide, (height() - arrowSide) / 2, arrowSide, arrowSide);
    sharedIcon(QStringLiteral(":/images/arrow-narrow-right.svg")).paint(&painter, arrow);
}

void CreateButton::changeEvent(QEvent* event)
{
    // A press from before the button was disabled is no click once it is back.
    if (event->type() == QEvent::EnabledChange)
        m_pressed = false;
    QWidget::changeEvent(event);
}

void CreateButton::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void CreateButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}
