#include "ai/CreatorButtonView.h"

#include "ai/AIEvents.h"
#include "core/Log.h"
#include "core/RxBus.h"
#include "globals/ModelGlobals.h"

CreatorButtonView::CreatorButtonView(QWidget* parent)
    : CreateButton(parent)
{
    connect(this, &CreateButton::clicked, this, [] { create(); });
}

void CreatorButtonView::create()
{
    commitForGeneration(wizardChoices());
    printLine(
        QStringLiteral("step2StylesContentData1ID 123123123123 = ") + generationChoices().step2StylesContentData1ID);
    RxBus::shared().post(Step3ViewEventBus::GeneratingEvent {});
}
