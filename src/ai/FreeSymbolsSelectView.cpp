#include "ai/FreeSymbolsSelectView.h"

#include "ai/AIEvents.h"
#include "ai/FreeChoices.h"
#include "ai/StepSupport.h"
#include "ai/TagView.h"
#include "core/Log.h"
#include "core/RxBus.h"

#include <QVBoxLayout>

namespace {
constexpr int sectionInset = 20;
constexpr int titleGap = 10;
constexpr int tagInset = 15;
} // namespace

FreeSymbolsSelectView::FreeSymbolsSelectView(FreeChoices* choices, QWidget* parent)
    : QWidget(parent)
    , m_choices(choices)
    , m_tagView(new TagView(true, this))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(sectionInset, 0, sectionInset, 0);
    column->setSpacing(0);
    column->addWidget(stepTitle(QStringLiteral("Symbol selection"), this));
    column->addSpacing(titleGap);
    auto* tags = new QVBoxLayout;
    tags->setContentsMargins(tagInset, 0, tagInset, 0);
    tags->addWidget(m_tagView);
    column->addLayout(tags);
    column->addStretch();

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
