#include "ai/AILogoView.h"

#include "ai/AILogoViewTitleTab.h"
#include "ai/AILogoViewTitleView.h"
#include "ai/AiFailurePanel.h"
#include "ai/FreeAIView.h"
#include "ai/GeneratingView.h"
#include "ai/MakeAIView.h"
#include "ai/Step1View.h"
#include "ai/Step2View.h"
#include "ai/StepSupport.h"
#include "components/AppearanceWatcher.h"
#include "core/ColorUtilities.h"
#include "core/Localization.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"

namespace {
constexpr QSize pageSize(720, 616);
constexpr int frameTop = (616 - 560) / 2;
constexpr int titleTop = frameTop + 25;
constexpr QRect contentArea(0, titleTop + 39, 720, 500);

void postRefresh()
{
    RxBus::shared().post(AILogoViewEvent::AILogoViewRefreshDataEvent {});
}
} // namespace

AILogoView::AILogoView(QWidget* parent)
    : QWidget(parent)
    , m_title(new AILogoViewTitleView(this))
    , m_content(new QWidget(this))
    , m_wizard(new MakeAIView(m_content))
    , m_free(new FreeAIView(m_content))
    , m_failPanel(new AiFailurePanel(&postRefresh, this))
{
    setFixedSize(pageSize);
    fillColor(this, Color(0x1E1E1E));
    m_title->move(0, titleTop);
    m_content->setGeometry(contentArea);
    fillColor(m_wizard, Color(0x1E1E1E));
    fillColor(m_free, Color(0x1E1E1E));

    m_failPanel->move(contentArea.topLeft());

    connect(m_title->tabs(), &AILogoViewTitleTab::selectIndexChanged, this, &AILogoView::updateVisibility);
    subscribeEvent<Step3ViewEventBus::GeneratingEvent>(
        this, [this](const Step3ViewEventBus::GeneratingEvent&) { startGenerating(); });
    subscribeEvent<GeneratingViewEventBus::ToMyDesignPageEvent>(
        this, [this](const GeneratingViewEventBus::ToMyDesignPageEvent&) { stopGenerating(); });
    subscribeEvent<AILogoViewEvent::AILogoViewNetWorkEvent>(
        this, [this](const AILogoViewEvent::AILogoViewNetWorkEvent& event) { listLoaded(event); });
    // A Retry on another page's failure view is no reason to reload here.
    subscribeEvent<EditLogoViewEvent::RetryEvent>(this, [this](const EditLogoViewEvent::RetryEvent&) {
        if (isLoadingSvgFail())
            postRefresh();
    });
    connect(new AppearanceWatcher(this), &AppearanceWatcher::appeared, this, &AILogoView::appear);
    updateVisibility();
}

int AILogoView::selectIndex() const
{
    return m_title->tabs()->selectIndex();
}

void AILogoView::setSelectIndex(int index)
{
    m_title->tabs()->setSelectIndex(index);
}

LoadSvgFailView* AILogoView::failView() const
{
    return m_failPanel->failView();
}

void AILogoView::appear()
{
    m_wizard->step1()->loadIndustries();
    m_wizard->step2()->loadStyles();
    m_free->load();
}

void AILogoView::startGenerating()
{
    // One generation at a time: a second Create keeps the screen it has.
    if (m_generatingView)
        return;
    m_generatingView = new GeneratingView(m_content);
    m_generatingView->setGeometry(m_content->rect());
    fillColor(m_generatingView, Color(0x1E1E1E));
    connect(m_generatingView, &GeneratingView::generationFailed, this, &AILogoView::generationFailed);
    updateVisibility();
}

void AILogoView::stopGenerating()
{
    if (!m_generatingView)
        return;
    GeneratingView* screen = m_generatingView;
    m_generatingView = nullptr;
    // The screen may be inside its own callback: it goes on the next turn,
    // and nothing of it runs meanwhile.
    screen->cancel();
    screen->disconnect(this);
    screen->hide();
    screen->setEnabled(false);
    screen->deleteLater();
    updateVisibility();
}

void AILogoView::generationFailed()
{
    stopGenerating();
    RxBus::shared().post(
        ContentViewEventBus::ToastEvent { localized(QStringLiteral("Logo creation failed. Please try again.")) });
}

void AILogoView::listLoaded(const AILogoViewEvent::AILogoViewNetWorkEvent& event)
{
    const bool wasFailing = isLoadingSvgFail();
    if (event.isSuccess)
        m_failedLists.remove(event.list);
    else
        m_failedLists.insert(event.list);
    if (wasFailing != isLoadingSvgFail())
        updateVisibility();
}

void AILogoView::updateVisibility()
{
    const bool generating = isGenerating();
    m_wizard->setVisible(!generating && selectIndex() == 0);
    m_free->setVisible(!generating && selectIndex() == 1);
    if (m_generatingView) {
        m_generatingView->show();
        m_generatingView->raise();
    }
    m_failPanel->setVisible(isLoadingSvgFail());
    m_failPanel->raise();
    m_title->setState(generating, isLoadingSvgFail());
}
