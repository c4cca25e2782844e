#include "ai/FreeAIView.h"

#include "ai/AIEvents.h"
#include "ai/AiFailurePanel.h"
#include "ai/FreeCreatorButtonView.h"
#include "ai/FreePreferView.h"
#include "ai/FreeSelectIndustryView.h"
#include "ai/FreeSymbolsSelectView.h"
#include "api/APIFactory.h"
#include "core/Log.h"
#include "core/RxBus.h"
#include "globals/ModelGlobals.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {
constexpr QSize pageSize(720, 500);
constexpr QSize panelSize(368, 486);
constexpr QPoint createPosition(720 - 120 - 13, 500 - 30 - 3);

// The panel: a dark rounded card behind the three sections.
class Panel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()), 3, 3);
        painter.fillPath(shape, QColor(0x26, 0x26, 0x26));
    }
};

// `widget` indented by `leading` in a row of its own.
QHBoxLayout* indented(QWidget* widget, int leading)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(leading, 0, 0, 0);
    row->addWidget(widget);
    return row;
}
} // namespace

FreeAIView::FreeAIView(QWidget* parent)
    : QWidget(parent)
    , m_create(new FreeCreatorButtonView(this))
    , m_failPanel(new AiFailurePanel([this] { load(); }, this))
{
    setFixedSize(pageSize);
    auto* panel = new Panel(this);
    panel->setGeometry(QRect(
        QPoint((pageSize.width() - panelSize.width()) / 2, (pageSize.height() - panelSize.height()) / 2), panelSize));
    m_industries = new FreeSelectIndustryView(&m_choices, panel);
    m_styles = new FreePreferView(&m_choices, panel);
    m_symbols = new FreeSymbolsSelectView(&m_choices, panel);

    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addSpacing(32);
    column->addLayout(indented(m_industries, 64));
    column->addSpacing(40);
    column->addLayout(indented(m_styles, 64));
    column->addSpacing(40);
    column->addLayout(indented(m_symbols, 45));
    column->addStretch();

    m_create->move(createPosition);
    m_create->raise();
    m_failPanel->hide();

    auto reload = [this] { load(); };
    subscribeEvent<AILogoViewEvent::AILogoViewRefreshDataEvent>(
        this, [reload](const AILogoViewEvent::AILogoViewRefreshDataEvent&) { reload(); });
    subscribeEvent<FreeViewEventBus::RefeashDataEvent>(
        this, [reload](const FreeViewEventBus::RefeashDataEvent&) { reload(); });
    subscribeEvent<Step3ViewEventBus::Step3ViewSelectEvent>(
        this, [this](const Step3ViewEventBus::Step3ViewSelectEvent& event) {
            if (event.isFree)
                selectSymbol(event.index);
        });
}

void FreeAIView::load()
{
    const int request = ++m_latestRequest;
    makeFreeAiGet(
        [this, request](const FreeAiGetModel& reply) {
            if (request == m_latestRequest)
                applyReply(reply);
        },
        [this, request] {
            if (request == m_latestRequest)
                loadFailed();
        },
        this);
}

void FreeAIView::applyReply(const FreeAiGetModel& reply)
{
    // A reply without an industry leaves nothing to offer: a failed load.
    if (!m_choices.applyReply(reply)) {
        loadFailed();
        return;
    }
    m_failPanel->hide();
    m_industries->refresh();
    m_styles->refresh();
    m_symbols->refresh();
    RxBus::shared().post(
        FreeViewEventBus::step1SelectId2Event { freeCreatorChoices().step1SelectId, m_choices.selectIndexTrade() });
}

void FreeAIView::loadFailed()
{
    if (m_choices.hasChoices())
        return;
    m_failPanel->show();
    m_failPanel->raise();
}

LoadSvgFailView* FreeAIView::failView() const
{
    return m_failPanel->failView();
}

void FreeAIView::selectSymbol(int index)
{
    printLine(QStringLiteral("index = ") + QString::number(index));
    if (m_choices.chooseSymbol(index))
        m_symbols->refresh();
}
