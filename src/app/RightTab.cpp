#include "app/RightTab.h"

#include "app/MainPages.h"
#include "app/PageFrame.h"
#include "app/PageSelection.h"
#include "components/SeenPage.h"
#include "core/ColorUtilities.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"

#include <QPalette>
#include <QStackedLayout>
#include <algorithm>

namespace {
// Stack order: Discovery, AI logo, picture to logo, My Design, settings.
constexpr int stackOrder[] = { PageSelection::Discovery, PageSelection::AILogo, PageSelection::AIPics,
    PageSelection::MyDesign, PageSelection::Settings };
} // namespace

RightTab::RightTab(PageSelection* selectIndex, SeenPage* seenPage, QWidget* parent)
    : QWidget(parent)
    , m_selection(selectIndex)
    , m_seenPage(seenPage)
{
    setFixedSize(PageFrame::pageSize);
    QPalette background = palette();
    background.setColor(QPalette::Window, Color(0x1E1E1E));
    setPalette(background);
    setAutoFillBackground(true);

    // Every page stays shown underneath the selected one: a switch neither
    // hides nor re-shows a page, so none reloads because of it.
    m_stack = new QStackedLayout(this);
    m_stack->setStackingMode(QStackedLayout::StackAll);
    // Only the selected page is built before the window first paints.
    showPage(m_selection->index());
    connect(m_selection, &PageSelection::indexChanged, this, &RightTab::showPage);

    subscribeEvent<MyDesignEventBus::addDesignEvent>(
        this, [this](const MyDesignEventBus::addDesignEvent&) { m_selection->setIndex(PageSelection::AILogo); });
    subscribeEvent<GeneratingViewEventBus::ToMyDesignPageEvent>(this,
        [this](const GeneratingViewEventBus::ToMyDesignPageEvent&) { m_selection->setIndex(PageSelection::MyDesign); });
}

void RightTab::buildRemainingPages()
{
    for (int index : stackOrder)
        frame(index);
}

PageFrame* RightTab::frame(int index)
{
    if (PageFrame* built = m_frames.value(index))
        return built;
    if (std::find(std::begin(stackOrder), std::end(stackOrder), index) == std::end(stackOrder))
        return nullptr;
    auto* built = new PageFrame(MainPages::makePage(index, nullptr), this);
    m_stack->addWidget(built);
    // Shown now rather than on the layout's next turn, so that its videos
    // follow the window's seen page as soon as the page is there.
    built->show();
    m_frames.insert(index, built);
    return built;
}

QWidget* RightTab::page(int index)
{
    PageFrame* built = frame(index);
    return built ? built->page() : nullptr;
}

int RightTab::visiblePageIndex() const
{
    return m_frames.key(static_cast<PageFrame*>(m_stack->currentWidget()), -1);
}

void RightTab::showPage(int index)
{
    if (PageFrame* shown = frame(index)) {
        m_stack->setCurrentWidget(shown);
        m_seenPage->setPage(shown);
    }
}
