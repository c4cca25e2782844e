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
    commitForGeneration(freeCreatorChoices());
    RxBus::shared().post(Step3ViewEventBus::GeneratingEvent {});
}
