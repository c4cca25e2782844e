#include "ai/MailSection.h"

#include "ai/AIEvents.h"
#include "ai/ElidedLabel.h"
#include "ai/IndustryCheckRow.h"
#include "core/ColorUtilities.h"
#include "core/RxBus.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

MailSection::MailSection(const QString& text, int index, const QString& isSelectText, QWidget* parent)
    : QWidget(parent)
    , m_text(text)
    , m_index(index)
    , m_isSelectText(isSelectText)
    , m_name(new ElidedLabel(text, 13, QFont::Normal, Color(0xE9ECEF), this))
{
    setFixedSize(rowSize);
    // The name ends as far from the trailing edge as the checkbox starts from the leading one.
    m_name->setGeometry(IndustryCheckRow::nameGeometry(rowSize.width(), IndustryCheckRow::leadingInset));
    subscribeEvent<Step1ViewEventBus::SelectEvent>(
        this, [this](const Step1ViewEventBus::SelectEvent& event) { setIsSelectText(event.letter); });
}

void MailSection::setIsSelectText(const QString& text)
{
    if (m_isSelectText == text)
        return;
    m_isSelectText = text;
    update();
}

void MailSection::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), 3, 3);
    painter.fillPath(shape, isSelected() ? Color(0x212529) : Color(0x1E1E1E));
    IndustryCheckRow::paintCheckbox(painter, isSelected());
}

void MailSection::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT tapped(m_text);
}
