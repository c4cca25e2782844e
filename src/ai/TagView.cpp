#include "ai/TagView.h"

#include "ai/AIEvents.h"
#include "ai/TagFlowLayout.h"
#include "core/ColorUtilities.h"
#include "core/RxBus.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <cmath>

namespace {
constexpr double chipRadius = 2;
} // namespace

TagView::TagView(bool isFree, QWidget* parent)
    : QWidget(parent)
    , m_isFree(isFree)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void TagView::setTags(const QList<Step3ModelContentData>& tags)
{
    m_tags = tags;
    updateGeometry();
    update();
}

QFont TagView::chipFont() const
{
    QFont font = this->font();
    font.setPixelSize(12);
    font.setWeight(QFont::Medium);
    return font;
}

double TagView::chipWidth(const QString& word, double width) const
{
    const double padded = QFontMetricsF(chipFont()).horizontalAdvance(word) + 2 * (chipInnerPadding + chipOuterPadding);
    // A word too long for the whole row is elided to the row's width.
    return width > 0 ? std::min(padded, width) : padded;
}

QList<QRectF> TagView::chipFrames(double width) const
{
    QList<double> widths;
    widths.reserve(m_tags.size());
    for (const Step3ModelContentData& tag : m_tags)
        widths.append(std::ceil(chipWidth(tag.word, width)));
    return TagFlowLayout::place(widths, rowPitch, width);
}

int TagView::heightForWidth(int width) const
{
    return int(std::ceil(TagFlowLayout::height(chipFrames(width))));
}

QSize TagView::sizeHint() const
{
    const int width = this->width() > 0 ? this->width() : 300;
    return QSize(width, heightForWidth(width));
}

void TagView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateGeometry();
}

QString TagView::shownWord(const QString& word, const QRectF& frame) const
{
    const double room = frame.width() - 2 * (chipInnerPadding + chipOuterPadding);
    return QFontMetricsF(chipFont()).elidedText(word, Qt::ElideRight, room);
}

void TagView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(chipFont());
    const QList<QRectF> frames = chipFrames(width());
    for (int i = 0; i < frames.size(); ++i) {
        const Step3ModelContentData& tag = m_tags[i];
        const QRectF chip
            = frames[i].adjusted(chipOuterPadding, chipOuterPadding, -chipOuterPadding, -chipOuterPadding);
        QPainterPath shape;
        shape.addRoundedRect(chip, chipRadius, chipRadius);
        const QColor background = tag.isSelected || !m_isFree ? Color(0x212529) : Color(0x313131);
        painter.fillPath(shape, background);
        if (tag.isSelected) {
            painter.setPen(QPen(Color(0x00AAFF), 1));
            painter.drawPath(shape);
        }
        painter.setPen(tag.isSelected ? Color(0x00AAFF) : Color(0xFFFFFF));
        painter.drawText(chip, Qt::AlignCenter, shownWord(tag.word, frames[i]));
    }
}

int TagView::chipAt(const QPointF& point) const
{
    const QList<QRectF> frames = chipFrames(width());
    for (int i = 0; i < frames.size(); ++i)
        if (frames[i].contains(point))
            return i;
    return -1;
}

void TagView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int index = chipAt(event->position());
    if (index >= 0)
        selectTag(index);
}

void TagView::selectTag(int index)
{
    RxBus::shared().post(Step3ViewEventBus::Step3ViewSelectEvent { index, m_isFree });
}

bool TagView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = chipAt(help->pos());
        const QList<QRectF> frames = chipFrames(width());
        if (index >= 0 && shownWord(m_tags[index].word, frames[index]) != m_tags[index].word)
            QToolTip::showText(help->globalPos(), m_tags[index].word, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}
