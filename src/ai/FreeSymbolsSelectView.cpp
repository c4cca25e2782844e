#include "ai/FreeSymbolsSelectView.h"

#include "ai/AIEvents.h"
#include "ai/FreeChoices.h"
#include "ai/StepSupport.h"
#include "ai/TagView.h"
#include "core/Log.h"
#include "core/RxBus.h"

namespace {
constexpr int sectionInset = 20;
constexpr int titleGap = 10;
} // namespace

FreeSymbolsSelectView::FreeSymbolsSelectView(FreeChoices* choices, QWidget* parent)
    : QWidget(parent)
    , m_choices(choices)
    , m_tagView(new TagView(true, this))
{
    layOutSymbolSelection(this, m_tagView, sectionInset, titleGap);

    subscribeEvent<FreeViewEventBus::step1SelectId2Event>(
        this, [this](const FreeViewEventBus::step1SelectId2Event& event) {
            m_choices->showIndustry(event.index);
            refresh();
            printLine(QStringLiteral("showSelect1 = ")
                + (m_choices->showSelect1() ? QStringLiteral("true") : QStringLiteral("false")));
        });
}

void FreeSymbolsSelectView::refresh()
{
    m_tagView->setTags(m_choices->shownSymbols());
}
