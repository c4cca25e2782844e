#include "ai/FreeCreatorButtonView.h"

#include "ai/AIEvents.h"
#include "core/RxBus.h"
#include "globals/ModelGlobals.h"

FreeCreatorButtonView::FreeCreatorButtonView(QWidget* parent)
    : CreateButton(parent)
{
    connect(this, &CreateButton::clicked, this, [] { create(); });
}

void FreeCreatorButtonView::create()
{
    step1Model() = step1Model2();
    step1SelectName = step1SelectName2;
    step1SelectId = step1SelectId2;
    step2StylesContentData1ID = step2StylesContentData1ID2;
    step2StylesContentData2ID = step2StylesContentData2ID2;
    step3Model() = step3Model2();
    RxBus::shared().post(Step3ViewEventBus::GeneratingEvent {});
}
