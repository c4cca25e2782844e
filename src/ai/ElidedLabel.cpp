#include "ai/ElidedLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

ElidedLabel::ElidedLabel(const QString& text, int pixelSize, QFont::Weight weight, QColor color, QWidget* parent)
    : QWidget(parent)
    , m_text(text)
    , m_color(color)
{
    QFont font = this->font();
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    setFont(font);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    updateToolTip();
}

void ElidedLabel::setText(const QString& text)
{
    m_text = text;
    updateGeometry();
    updateToolTip();
    update();
}

void ElidedLabel::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void ElidedLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void ElidedLabel::setMaximumLineCount(int count)
{
    m_maximumLineCount = std::max(1, count);
    updateToolTip();
    update();
}

QStringList ElidedLabel::shownLines() const
{
    return layOut().lines;
}

ElidedLabel::Shown ElidedLabel::layOut() const
{
    // Every line but the last is broken where the text wraps; the last takes
    // the rest, elided.
    Shown shown;
    QTextLayout layout(m_text, font());
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(wrapping);
    layout.beginLayout();
    int rest = 0;
    while (shown.lines.size() < m_maximumLineCount - 1) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width());
        QString text = m_text.mid(line.textStart(), line.textLength());
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        shown.lines.append(text);
        rest = line.textStart() + line.textLength();
        if (rest >= m_text.size())
            break;
    }
    layout.endLayout();
    if (rest < m_text.size() || shown.lines.isEmpty()) {
        const QString last = m_text.mid(rest);
        shown.lines.append(fontMetrics().elidedText(last, Qt::ElideRight, width()));
        shown.elided = shown.lines.constLast() != last;
    }
    return shown;
}

QSize ElidedLabel::sizeHint() const
{
    return QSize(fontMetrics().horizontalAdvance(m_text) + 1, fontMetrics().height());
}

QSize ElidedLabel::minimumSizeHint() const
{
    return QSize(0, fontMetrics().height());
}

void ElidedLabel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setPen(m_color);
    painter.drawText(rect(), int(m_alignment), shownLines().join(QLatin1Char('\n')));
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateToolTip();
}

void ElidedLabel::updateToolTip()
{
    setToolTip(layOut().elided ? m_text : QString());
}
