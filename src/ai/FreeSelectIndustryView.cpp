#include "ai/FreeSelectIndustryView.h"

#include "ai/AIEvents.h"
#include "ai/ElidedLabel.h"
#include "ai/FreeChoices.h"
#include "ai/IndustryCheckRow.h"
#include "ai/StepSupport.h"
#include "core/ColorUtilities.h"
#include "core/RxBus.h"
#include "globals/ModelGlobals.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace {
constexpr int rowHeight = 40;
} // namespace

// One industry: checkbox and name, 40 points high.
class FreeSelectIndustryView::Row : public QWidget {
public:
    Row(FreeSelectIndustryView* section, int index)
        : QWidget(section)
        , m_section(section)
        , m_index(index)
        , m_name(new ElidedLabel(QString(), 13, QFont::Normal, Color(0xE9ECEF), this))
    {
        setFixedHeight(rowHeight);
        setCursor(Qt::PointingHandCursor);
    }

    void show(const QString& name, bool checked)
    {
        m_name->setText(name);
        m_checked = checked;
        update();
        setVisible(true);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        m_name->setGeometry(IndustryCheckRow::nameGeometry(width(), 0));
    }
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        IndustryCheckRow::paintCheckbox(painter, m_checked);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_section->chooseIndustry(m_index);
    }

private:
    FreeSelectIndustryView* m_section;
    int m_index;
    ElidedLabel* m_name;
    bool m_checked = false;
};

FreeSelectIndustryView::FreeSelectIndustryView(FreeChoices* choices, QWidget* parent)
    : QWidget(parent)
    , m_choices(choices)
{
    QVBoxLayout* column = titledColumn(this, QStringLiteral("Select Industry"), 0, 10);
    for (int i = 0; i < rowCount; ++i) {
        auto* row = new Row(this, i);
        column->addWidget(row);
        m_rows.append(row);
    }
    refresh();
}

void FreeSelectIndustryView::refresh()
{
    const auto& trades = m_choices->freeAiGetModel().data.trades;
    for (int i = 0; i < rowCount; ++i) {
        if (i < trades.size())
            m_rows[i]->show(trades.at(i).name, m_choices->selectIndexTrade() == i);
        else
            m_rows[i]->hide();
    }
}

void FreeSelectIndustryView::chooseIndustry(int index)
{
    if (!m_choices->chooseIndustry(index))
        return;
    refresh();
    RxBus::shared().post(FreeViewEventBus::step1SelectId2Event { freeCreatorChoices().step1SelectId, index });
}

QList<QWidget*> FreeSelectIndustryView::rows() const
{
    return { m_rows.begin(), m_rows.end() };
}
