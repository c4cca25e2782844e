#include "app/ContentView.h"

#include "app/LeftTab.h"
#include "app/PageSelection.h"
#include "app/RightTab.h"
#include "app/StartupWork.h"
#include "app/ToastPresenter.h"
#include "app/UpdateVersionView.h"
#include "components/ToastView.h"
#include "core/ColorUtilities.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"

#include <QPainter>
#include <QTimer>

ContentView::ContentView(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(windowSize);
    QPalette background = palette();
    background.setColor(QPalette::Window, Color(0x1E1E1E));
    setPalette(background);
    setAutoFillBackground(true);

    m_selection = new PageSelection(this);
    m_leftTab = new LeftTab(m_selection, this);
    m_rightTab = new RightTab(m_selection, this);

    m_leftTab->move(0, -hiddenTopBand);
    m_rightTab->move(m_leftTab->width(), -hiddenTopBand);

    m_toastView = new ToastView(this);
    // Centred on the window, the toast must not reach the detail page's
    // column of buttons, which starts 512 points into the page area.
    constexpr int detailButtonsLeft = 180 + 512;
    constexpr int gap = 12;
    m_toastView->setMaximumToastWidth(2 * (detailButtonsLeft - gap - windowSize.width() / 2));
    m_toastView->hide();
    m_toastPresenter = new ToastPresenter(m_toastView, this);

    m_startupWork = new StartupWork(
        { [this] { subscribeToasts(); }, [this](const UpdatePrompt& prompt) { presentUpdatePrompt(prompt); } }, this);
}

void ContentView::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (m_painted)
        return;
    m_painted = true;
    QTimer::singleShot(0, this, [this] {
        Q_EMIT firstPainted();
        m_rightTab->buildRemainingPages();
        m_startupWork->run();
    });
}

void ContentView::subscribeToasts()
{
    subscribeEvent<ContentViewEventBus::ToastEvent>(
        this, [this](const ContentViewEventBus::ToastEvent& event) { m_toastPresenter->show(event.text); });
}

void ContentView::presentUpdatePrompt(const UpdatePrompt& prompt)
{
    if (!m_updateVersionView)
        m_updateVersionView = new UpdateVersionView(this);
    m_updateVersionView->setUpdate(prompt.content, prompt.url);
    // Like a sheet: centred at the top edge of the window.
    const QPoint topCentre = mapToGlobal(QPoint((width() - m_updateVersionView->width()) / 2, 0));
    m_updateVersionView->move(topCentre);
    m_updateVersionView->open();
}
