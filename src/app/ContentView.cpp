#include "app/ContentView.h"

#include "app/LeftTab.h"
#include "app/PageSelection.h"
#include "app/RightTab.h"
#include "app/StartupWork.h"
#include "app/ToastPresenter.h"
#include "app/UpdateVersionView.h"
#include "components/SeenPage.h"
#include "components/ToastView.h"
#include "components/WindowFit.h"
#include "core/ColorUtilities.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

ContentView::ContentView(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(windowSize);
    QPalette background = palette();
    background.setColor(QPalette::Window, Color(0x1E1E1E));
    setPalette(background);
    setAutoFillBackground(true);

    // On a screen too small for the window its content scrolls; where the
    // window fits, the content fills it and no scroll bar shows.
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_scrollArea->viewport()->setAutoFillBackground(false);
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(m_scrollArea);
    auto* content = new QWidget;
    content->setFixedSize(windowSize);

    m_selection = new PageSelection(this);
    m_seenPage = new SeenPage(this);
    m_leftTab = new LeftTab(m_selection, content);
    m_rightTab = new RightTab(m_selection, m_seenPage, content);

    m_leftTab->move(0, -hiddenTopBand);
    m_rightTab->move(m_leftTab->width(), -hiddenTopBand);
    m_scrollArea->setWidget(content);
    // Not filled (setWidget() turned filling on): the window's own
    // background shows through, and the window itself is painted.
    content->setAutoFillBackground(false);

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

void ContentView::placeOnScreen()
{
    QScreen* on = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!on)
        return;
    const QMargins frame = frameMargins(this, titleBarUntilFramed);
    const QRect available = on->availableGeometry();
    const WindowFit fit
        = windowFit(windowSize, frame, available, m_scrollArea->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    setFixedSize(fit.size);
    move(windowPosition(fit.size.grownBy(frame), available));
}

void ContentView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // From then on the window fits in the window manager's real frame.
    refitWhenFramed(this, titleBarUntilFramed, [this] { placeOnScreen(); });
    m_seenPage->setWindowShown(!isMinimized());
}

void ContentView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // Hidden to the tray, or (a spontaneous hide) minimised.
    m_seenPage->setWindowShown(false);
}

void ContentView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        m_seenPage->setWindowShown(isVisible() && !isMinimized());
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
