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
    step1Model() = step1Model1();
    step1SelectName = step1SelectName1;
    step1SelectId = step1SelectId1;
    // The wizard's own style, so a Create in the free creator in between
    // does not leak its style into this one.
    step2StylesContentData1ID = step2StylesContentData1ID1;
    step3Model() = step3Model1();
    printLine(QStringLiteral("step2StylesContentData1ID 123123123123 = ") + step2StylesContentData1ID);
    RxBus::shared().post(Step3ViewEventBus::GeneratingEvent {});
}
