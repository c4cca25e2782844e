#include "app/LeftTabItem.h"

#include "app/PageSelection.h"
#include "core/ColorUtilities.h"
#include "core/SharedIcon.h"

#include <QEnterEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int contentInset = (LeftTabItem::itemWidth - 160) / 2; // the 160-wide row is centred
constexpr int leadingSpace = 8;
constexpr int iconSize = 16;
constexpr int spacing = 8;
} // namespace

LeftTabItem::LeftTabItem(const QString& text, const QString& imageSelect, const QString& imageUnSelect, int index,
    PageSelection* isSelectLeftTabIndex, QWidget* parent)
    : QWidget(parent)
    , m_text(text)
    , m_imageSelect(imageSelect)
    , m_imageUnSelect(imageUnSelect)
    , m_index(index)
    , m_selection(isSelectLeftTabIndex)
{
    setFixedSize(itemWidth, itemHeight);
    setAttribute(Qt::WA_Hover);
    connect(m_selection, &PageSelection::indexChanged, this, [this] { update(); });
}

bool LeftTabItem::isSelected() const
{
    return m_selection->index() == m_index;
}

QString LeftTabItem::currentImageName() const
{
    return isSelected() ? m_imageSelect : m_imageUnSelect;
}

void LeftTabItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    // Both marks lighten the sidebar material by overlay blending, so they can show together.
    painter.setCompositionMode(QPainter::CompositionMode_Overlay);
    if (isSelected())
        painter.fillRect(rect(), Color(0xBABABA));
    if (m_hoverEnter)
        painter.fillRect(rect(), Color(0xBABABA, 0.5));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    const int iconX = contentInset + leadingSpace;
    const QRect iconRect(iconX, (height() - iconSize) / 2, iconSize, iconSize);
    sharedIcon(QStringLiteral(":/images/%1.svg").arg(currentImageName())).paint(&painter, iconRect);

    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    const int textX = iconRect.right() + 1 + spacing;
    painter.drawText(QRect(textX, 0, contentInset + 160 - textX, height()), Qt::AlignLeft | Qt::AlignVCenter, m_text);
}

void LeftTabItem::enterEvent(QEnterEvent* event)
{
    setHoverEnter(true);
    QWidget::enterEvent(event);
}

void LeftTabItem::leaveEvent(QEvent* event)
{
    setHoverEnter(false);
    QWidget::leaveEvent(event);
}

void LeftTabItem::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        m_selection->setIndex(m_index);
    QWidget::mouseReleaseEvent(event);
}

void LeftTabItem::setHoverEnter(bool hover)
{
    if (hover == m_hoverEnter)
        return;
    m_hoverEnter = hover;
    update();
}
