#include "ai/Step3View.h"

#include "ai/AIEvents.h"
#include "ai/StepSupport.h"
#include "ai/TagView.h"
#include "api/APIFactory.h"
#include "core/DecimalId.h"
#include "core/Log.h"
#include "core/RxBus.h"
#include "globals/ModelGlobals.h"
#include "model/JsonFieldWriter.h"

using AILogoViewEvent::AILogoList;

namespace {
constexpr int titleGap = 14;
} // namespace

Step3View::Step3View(QWidget* parent)
    : QWidget(parent)
    , m_tagView(new TagView(false, this))
{
    layOutSymbolSelection(this, m_tagView, 0, titleGap);

    subscribeEvent<Step1ViewEventBus::LoadDataSuccess>(
        this, [this](const Step1ViewEventBus::LoadDataSuccess&) { reloadAfterStep1(); });
    subscribeEvent<Step3ViewEventBus::Step3ViewSelectEvent>(
        this, [this](const Step3ViewEventBus::Step3ViewSelectEvent& event) {
            if (!event.isFree)
                selectSymbol(event.index);
        });
    subscribeEvent<AILogoViewEvent::AILogoViewRefreshDataEvent>(
        this, [this](const AILogoViewEvent::AILogoViewRefreshDataEvent&) {
            if (m_lastLoadFailed)
                loadSymbols();
        });
}

void Step3View::reloadAfterStep1()
{
    loadSymbols();
    RxBus::shared().post(Step3ViewEventBus::Step3ViewSelectEvent { 0, false });
}

void Step3View::loadSymbols()
{
    const int request = ++m_latestRequest;
    setHasOwnSymbol(false);
    makeStep3(
        parseDecimalId(wizardChoices().step1SelectId).value_or(0),
        [this, request](const Step3Model& reply) {
            if (request == m_latestRequest)
                applySymbols(reply);
        },
        [this, request] {
            if (request != m_latestRequest)
                return;
            m_lastLoadFailed = true;
            reportStepLoadFailure(AILogoList::Symbols);
        },
        this);
}

void Step3View::applySymbols(const Step3Model& model)
{
    printLine(QStringLiteral("step3Model = ") + QString::fromStdString(JsonFieldWriter::encode(model).dump()));
    m_lastLoadFailed = false;
    QList<Step3ModelContentData> data = model.data.content0;
    // An empty list is shown empty, and the chosen symbol stays.
    if (!data.isEmpty()) {
        data.first().isSelected = true;
        wizardChoices().step3Model = data.constFirst();
    }
    setData(data);
    setHasOwnSymbol(!data.isEmpty());
    reportStepLoadSuccess(AILogoList::Symbols);
}

void Step3View::selectSymbol(int index)
{
    if (index < 0 || index >= m_data.size())
        return;
    wizardChoices().step3Model = m_data.at(index);
    for (int k = 0; k < m_data.size(); ++k)
        m_data[k].isSelected = k == index;
    setData(m_data);
}

void Step3View::setData(const QList<Step3ModelContentData>& data)
{
    m_data = data;
    m_tagView->setTags(m_data);
}

void Step3View::setHasOwnSymbol(bool hasOwnSymbol)
{
    if (hasOwnSymbol == m_hasOwnSymbol)
        return;
    m_hasOwnSymbol = hasOwnSymbol;
    Q_EMIT hasOwnSymbolChanged(hasOwnSymbol);
}
