#include "ai/Step1View.h"

#include "ai/AIEvents.h"
#include "ai/Step1ViewList.h"
#include "ai/StepSupport.h"
#include "api/APIFactory.h"
#include "core/Log.h"
#include "core/RxBus.h"
#include "globals/ModelGlobals.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

using AILogoViewEvent::AILogoList;

Step1View::Step1View(QWidget* parent)
    : QWidget(parent)
    , m_list(new Step1ViewList(this))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(stepTitle(QStringLiteral("Select Industry"), this));
    auto* row = new QHBoxLayout;
    row->addWidget(m_list);
    row->addStretch();
    column->addLayout(row, 1);
    subscribeEvent<AILogoViewEvent::AILogoViewRefreshDataEvent>(
        this, [this](const AILogoViewEvent::AILogoViewRefreshDataEvent&) { loadIndustries(); });
}

void Step1View::loadIndustries()
{
    const int request = ++m_latestRequest;
    makeStep1(
        [this, request](const Step1Model& reply) {
            if (request == m_latestRequest)
                applyIndustries(reply);
        },
        [this, request] {
            if (request == m_latestRequest)
                reportStepLoadFailure(AILogoList::Industries);
        },
        this);
}

void Step1View::applyIndustries(const Step1Model& reply)
{
    // A reply without a single industry leaves nothing to choose: a failed load.
    if (reply.data.trade.isEmpty()) {
        reportStepLoadFailure(AILogoList::Industries);
        return;
    }
    wizardChoices().step1Model = reply;
    m_firstLetterToNamesMap = IndustryIndex::groupIndustries(wizardChoices().step1Model);
    for (const QString& line : IndustryIndex::describe(m_firstLetterToNamesMap))
        printLine(line);
    QStringList letters;
    for (const auto& entry : m_firstLetterToNamesMap)
        letters.append(entry.first);
    m_list->setGroups(m_firstLetterToNamesMap, letters);
    reportStepLoadSuccess(AILogoList::Industries);
}
