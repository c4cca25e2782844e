#include "ai/Step2View.h"

#include "ai/AIEvents.h"
#include "ai/RealisticStyleSingleView.h"
#include "ai/StepSupport.h"
#include "api/APIFactory.h"
#include "components/QGrid.h"
#include "core/ColorUtilities.h"
#include "core/Log.h"
#include "core/RxBus.h"
#include "globals/ModelGlobals.h"
#include "model/JsonFieldWriter.h"

#include <QVBoxLayout>

using AILogoViewEvent::AILogoList;

namespace {
constexpr int gridHeight = 115;

QGrid* makeStyleGrid(QWidget* parent)
{
    QGridOptions options;
    options.columns = 4;
    // Four styles fill the row; more scroll within it rather than spill over.
    options.isScrollable = true;
    options.showScrollIndicators = false;
    auto* grid = new QGrid(
        0, options, [](int) { return nullptr; }, parent);
    grid->setFixedHeight(gridHeight);
    // The grid's see-through content would show the pages stacked below.
    QWidget* content = grid->contentWidget();
    content->setAttribute(Qt::WA_TranslucentBackground, false);
    content->setAttribute(Qt::WA_NoSystemBackground, false);
    content->setAutoFillBackground(true);
    QPalette colors = content->palette();
    colors.setColor(QPalette::Window, Color(0x1E1E1E));
    content->setPalette(colors);
    return grid;
}
} // namespace

Step2View::Step2View(QWidget* parent)
    : QWidget(parent)
    , m_grid1(makeStyleGrid(this))
    , m_grid2(makeStyleGrid(this))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(stepTitle(QStringLiteral("What style would you prefer?"), this));
    column->addWidget(m_grid1);
    column->addWidget(m_grid2);
    subscribeEvent<AILogoViewEvent::AILogoViewRefreshDataEvent>(
        this, [this](const AILogoViewEvent::AILogoViewRefreshDataEvent&) { loadStyles(); });
}

void Step2View::loadStyles()
{
    const int request = ++m_latestRequest;
    makeStep2(
        [this, request](const Step2Model& reply) {
            if (request == m_latestRequest)
                applyStyles(reply);
        },
        [this, request] {
            if (request == m_latestRequest)
                reportStepLoadFailure(AILogoList::Styles);
        },
        this);
}

void Step2View::applyStyles(const Step2Model& model)
{
    printLine(
        QStringLiteral("step2Model.toJSONString() = ") + QString::fromStdString(JsonFieldWriter::encode(model).dump()));
    const QList<Step2ModelContentData>& groups = model.data.all_styles;
    const bool anyStyle = std::any_of(
        groups.begin(), groups.end(), [](const Step2ModelContentData& group) { return !group.contents.isEmpty(); });
    // A reply without a single style leaves nothing to choose: a failed load.
    if (!anyStyle) {
        reportStepLoadFailure(AILogoList::Styles);
        return;
    }
    m_style1Data = groups.value(0).contents;
    m_style2Data = groups.value(1).contents;
    auto card = [this](const Step2ModelStylesContentData& style) {
        auto* view = new RealisticStyleSingleView(style);
        connect(view, &StyleCard::tapped, this, [this, style] { select(style); });
        return view;
    };
    m_grid1->setData(m_style1Data, card);
    m_grid2->setData(m_style2Data, card);
    // Without a first style the previous choice stays.
    if (!m_style1Data.isEmpty()) {
        m_selectIndex = m_style1Data.constFirst().id;
        writeStyle(m_selectIndex);
        printLine(QStringLiteral("step2StylesContentData1ID = ") + generationChoices().step2StylesContentData1ID);
    }
    showSelection();
    reportStepLoadSuccess(AILogoList::Styles);
}

void Step2View::select(const Step2ModelStylesContentData& style)
{
    printLine(QStringLiteral("selectIndex = ") + m_selectIndex + QStringLiteral(" , data.id = ") + style.id
        + QStringLiteral(", styleText = ") + style.name);
    m_selectIndex = style.id;
    writeStyle(style.id);
    printLine(QStringLiteral("step2StylesContentData1ID123123123 = ") + generationChoices().step2StylesContentData1ID);
    showSelection();
}

void Step2View::writeStyle(const QString& id)
{
    wizardChoices().step2StylesContentData1ID = id;
    generationChoices().step2StylesContentData1ID = id;
}

QList<RealisticStyleSingleView*> Step2View::cards() const
{
    QList<RealisticStyleSingleView*> all;
    for (QGrid* grid : { m_grid1, m_grid2 })
        for (int i = 0; i < grid->cellCount(); ++i)
            if (auto* card = qobject_cast<RealisticStyleSingleView*>(grid->cell(i)))
                all.append(card);
    return all;
}

void Step2View::showSelection()
{
    for (RealisticStyleSingleView* card : cards())
        card->setSelected(card->data().id == m_selectIndex);
}
