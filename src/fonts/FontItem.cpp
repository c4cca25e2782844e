#include "fonts/FontItem.h"

#include "core/Localization.h"
#include "core/SharedIcon.h"
#include "fonts/Spinner.h"

#include <QIcon>
#include <QPainter>

namespace {
constexpr int inset = 16;
constexpr int indicatorSize = 20;
const QColor selectedColor(0x33, 0x33, 0x33);
const QColor rowColor(0x26, 0x26, 0x26);
const QColor textColor(0xDE, 0xE2, 0xE6);
} // namespace

FontItem::FontItem(Entry entry, QWidget* parent)
    : QAbstractButton(parent)
    , m_entry(std::move(entry))
    , m_spinner(new Spinner(Qt::white, 10, this))
{
    setFixedSize(rowWidth, rowHeight);
    setCursor(m_entry.installed ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setToolTip(m_entry.installed ? QString() : localized(QStringLiteral("Not installed")));
    m_spinner->resize(indicatorSize, indicatorSize);
    updateIndicator();
}

void FontItem::setLoading(bool loading)
{
    m_isLoading = loading;
    updateIndicator();
}

void FontItem::setSelectedRow(bool selected)
{
    m_selected = selected;
    updateIndicator();
}

bool FontItem::isSpinnerShown() const
{
    return !m_spinner->isHidden();
}

void FontItem::updateIndicator()
{
    m_spinner->setVisible(m_selected && m_isLoading);
    update();
}

void FontItem::resizeEvent(QResizeEvent* event)
{
    QAbstractButton::resizeEvent(event);
    m_spinner->move(width() - inset - indicatorSize, (height() - indicatorSize) / 2);
}

void FontItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), m_selected ? selectedColor : rowColor);

    const QRect indicator(
        width() - inset - indicatorSize, (height() - indicatorSize) / 2, indicatorSize, indicatorSize);
    QRect textArea = rect().adjusted(inset, 0, -inset, 0);
    if (!m_entry.installed) {
        QFont small = font();
        small.setPixelSize(11);
        painter.setFont(small);
        const QString note = localized(QStringLiteral("Not installed"));
        painter.setPen(QColor(0x86, 0x8E, 0x96));
        painter.drawText(textArea, Qt::AlignRight | Qt::AlignVCenter, note);
        textArea.setRight(textArea.right() - painter.fontMetrics().horizontalAdvance(note) - 8);
    } else if (m_selected) {
        textArea.setRight(indicator.left() - 8);
    }

    QFont nameFont = m_entry.installed ? m_entry.font : font();
    nameFont.setPixelSize(14);
    painter.setFont(nameFont);
    QColor nameColor = textColor;
    if (!m_entry.installed)
        nameColor.setAlphaF(0.4);
    painter.setPen(nameColor);
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter,
        painter.fontMetrics().elidedText(m_entry.name, Qt::ElideRight, textArea.width()));

    if (m_selected && !m_isLoading) {
        sharedIcon(QStringLiteral(":/images/fontSelect.svg")).paint(&painter, indicator);
    }
}
