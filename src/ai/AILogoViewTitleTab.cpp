#include "ai/AILogoViewTitleTab.h"

#include "components/HoverEffect.h"
#include "core/ColorUtilities.h"
#include "core/Localization.h"

#include <QHBoxLayout>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

class AILogoViewTitleTab::Tab : public QWidget {
public:
    Tab(AILogoViewTitleTab* row, int index, const QString& key)
        : QWidget(row)
        , m_row(row)
        , m_index(index)
        , m_text(localized(key))
    {
        setFixedSize(tabSize);
        QFont font = this->font();
        font.setPixelSize(13);
        font.setWeight(QFont::DemiBold);
        setFont(font);
        HoverEffect::apply(this);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const bool selected = m_row->selectIndex() == m_index;
        QLinearGradient background(0, 0, width(), 0);
        background.setColorAt(0, selected ? Color(0x3355FF) : Color(0x343A40));
        background.setColorAt(1, selected ? Color(0x217DD9) : Color(0x343A40));
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()), 3, 3);
        painter.fillPath(shape, background);
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, m_text);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_row->setSelectIndex(m_index);
    }

private:
    AILogoViewTitleTab* m_row;
    int m_index;
    QString m_text;
};

AILogoViewTitleTab::AILogoViewTitleTab(QWidget* parent)
    : QWidget(parent)
    , m_tabs { new Tab(this, 0, QStringLiteral("Al Logo")), new Tab(this, 1, QStringLiteral("Free")) }
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    row->addWidget(m_tabs[0]);
    row->addWidget(m_tabs[1]);
}

void AILogoViewTitleTab::setSelectIndex(int index)
{
    if (index == m_selectIndex || index < 0 || index > 1)
        return;
    m_selectIndex = index;
    m_tabs[0]->update();
    m_tabs[1]->update();
    Q_EMIT selectIndexChanged(index);
}

QWidget* AILogoViewTitleTab::tab(int index) const
{
    return index == 0 || index == 1 ? m_tabs[index] : nullptr;
}
