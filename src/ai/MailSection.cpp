#include "ai/MailSection.h"

#include "ai/AIEvents.h"
#include "ai/ElidedLabel.h"
#include "core/ColorUtilities.h"
#include "core/RxBus.h"

#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int leadingInset = 13;
constexpr int checkboxSide = 18;
constexpr int checkboxTop = 11;
constexpr int nameGap = 7;
constexpr int nameTop = 12;
constexpr int nameHeight = 16;
} // namespace

MailSection::MailSection(const QString& text, int index, const QString& isSelectText, QWidget* parent)
    : QWidget(parent)
    , m_text(text)
    , m_index(index)
    , m_isSelectText(isSelectText)
    , m_name(new ElidedLabel(text, 13, QFont::Normal, Color(0xE9ECEF), this))
{
    setFixedSize(rowSize);
    const int nameLeft = leadingInset + checkboxSide + nameGap;
    m_name->setGeometry(nameLeft, nameTop, rowSize.width() - nameLeft - leadingInset, nameHeight);
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
    const QString image
        = isSelected() ? QStringLiteral(":/images/checkbox_2.svg") : QStringLiteral(":/images/unchecked.svg");
    QIcon(image).paint(&painter, QRect(leadingInset, checkboxTop, checkboxSide, checkboxSide));
}

void MailSection::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT tapped(m_text);
}
