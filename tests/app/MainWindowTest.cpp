// The main window: sidebar, page stack, page-switch events and toasts.

#include "app/ContentView.h"
#include "app/LeftTab.h"
#include "app/LeftTabItem.h"
#include "app/PageFrame.h"
#include "app/PageSelection.h"
#include "app/RightTab.h"
#include "app/SettingView.h"
#include "app/StartupWork.h"
#include "app/ToastPresenter.h"
#include "components/ToastView.h"
#include "components/WindowFit.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"
#include "pictures/AIPicsView.h"
#include "pictures/AIPicsViewContentSelectView.h"
#include "pictures/AIPicsViewContentView.h"
#include "support/TestSupport.h"

#include <QGuiApplication>
#include <QMediaPlayer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    ContentView view;

    LeftTabItem* item(int row) const { return view.leftTab()->items().at(row); }
};

TEST_F(MainWindowTest, SidebarListsThePagesInOrderWithDiscoverySelected)
{
    const QStringList labels { "Discovery", "AI Logo", "AI Pics", "My Design", "Settings" };
    const QList<int> indices { 0, 1, 4, 2, 3 };
    ASSERT_EQ(view.leftTab()->items().size(), 5);
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(item(row)->text(), labels[row]);
        EXPECT_EQ(item(row)->index(), indices[row]);
        EXPECT_EQ(item(row)->size(), QSize(180, 28));
    }
    EXPECT_EQ(view.selection()->index(), PageSelection::Discovery);
    EXPECT_EQ(view.rightTab()->visiblePageIndex(), PageSelection::Discovery);
    EXPECT_TRUE(item(0)->isSelected());
    EXPECT_EQ(item(0)->currentImageName(), QStringLiteral("material-symbols_explore-outline (1)"));
    EXPECT_EQ(item(1)->currentImageName(), QStringLiteral("mdi_magic"));
    EXPECT_EQ(item(2)->currentImageName(), QStringLiteral("ai-pics1"));
    EXPECT_EQ(item(3)->currentImageName(), QStringLiteral("Group"));
    EXPECT_EQ(item(4)->currentImageName(), QStringLiteral("icon-park-solid_setting-one"));
}

TEST_F(MainWindowTest, ClickingAnEntrySelectsItsPageAndSwapsTheIcons)
{
    QTest::mouseClick(item(2), Qt::LeftButton);
    EXPECT_EQ(view.selection()->index(), PageSelection::AIPics);
    EXPECT_EQ(view.rightTab()->visiblePageIndex(), PageSelection::AIPics);
    EXPECT_EQ(item(2)->currentImageName(), QStringLiteral("ai-pics2"));
    EXPECT_EQ(item(0)->currentImageName(), QStringLiteral("material-symbols_explore-outline"));

    QTest::mouseClick(item(3), Qt::LeftButton);
    EXPECT_EQ(view.rightTab()->visiblePageIndex(), PageSelection::MyDesign);
    QTest::mouseClick(item(4), Qt::LeftButton);
    EXPECT_EQ(view.rightTab()->visiblePageIndex(), PageSelection::Settings);
    EXPECT_NE(qobject_cast<SettingView*>(view.rightTab()->page(PageSelection::Settings)), nullptr);
}

TEST_F(MainWindowTest, PagesAreBuiltOnceAndKeptAcrossSwitches)
{
    QList<QWidget*> pages;
    for (int index = 0; index < 5; ++index) {
        pages.append(view.rightTab()->page(index));
        ASSERT_NE(pages.last(), nullptr);
    }
    for (int index : { 3, 1, 4, 0, 2, 0 })
        view.selection()->setIndex(index);
    for (int index = 0; index < 5; ++index)
        EXPECT_EQ(view.rightTab()->page(index), pages[index]);
}

TEST_F(MainWindowTest, HiddenPagesAreBuiltOnlyAfterTheFirstPaint)
{
    const auto builtPages = [this] { return view.rightTab()->findChildren<PageFrame*>().size(); };
    EXPECT_EQ(builtPages(), 1);
    view.show();
    ASSERT_TRUE(waitUntil([&] { return builtPages() == 5; }));
    EXPECT_EQ(view.rightTab()->visiblePageIndex(), PageSelection::Discovery);
}

// Every page stays shown beneath the one in front, so the AI Pics page's
// video follows the page selection and the window, as the sidebar and the
// tray switch them.
TEST_F(MainWindowTest, TheAIPicsVideoPlaysOnlyInFrontOfTheShownWindow)
{
    view.show();
    ASSERT_TRUE(waitUntil([&] { return view.rightTab()->findChildren<PageFrame*>().size() == 5; }));
    auto* page = qobject_cast<AIPicsView*>(view.rightTab()->page(PageSelection::AIPics));
    ASSERT_NE(page, nullptr);
    const QMediaPlayer* player = page->contentView()->selectView()->player();
    const auto playing = [&] { return player->playbackState() == QMediaPlayer::PlayingState; };
    EXPECT_FALSE(playing());

    QTest::mouseClick(item(2), Qt::LeftButton);
    EXPECT_TRUE(playing());
    QTest::mouseClick(item(0), Qt::LeftButton);
    EXPECT_FALSE(playing());
    // Hidden to the tray, the window shows nothing, whichever page is selected.
    view.hide();
    EXPECT_FALSE(playing());
    view.selection()->setIndex(PageSelection::AIPics);
    EXPECT_FALSE(playing());
    view.showNormal();
    EXPECT_TRUE(playing());
    view.showMinimized();
    EXPECT_FALSE(playing());
    view.showNormal();
    EXPECT_TRUE(playing());
}

TEST_F(MainWindowTest, BusEventsSwitchPages)
{
    view.selection()->setIndex(PageSelection::Settings);
    RxBus::shared().post(MyDesignEventBus::addDesignEvent {});
    EXPECT_EQ(view.selection()->index(), PageSelection::AILogo);
    EXPECT_TRUE(item(1)->isSelected());

    RxBus::shared().post(GeneratingViewEventBus::ToMyDesignPageEvent { true });
    EXPECT_EQ(view.selection()->index(), PageSelection::MyDesign);
    EXPECT_EQ(view.rightTab()->visiblePageIndex(), PageSelection::MyDesign);
}

TEST_F(MainWindowTest, HoverMarkShowsBesideTheSelectionMark)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(item(0), &enter);
    EXPECT_TRUE(item(0)->hoverEnter());
    EXPECT_TRUE(item(0)->isSelected());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(item(0), &leave);
    EXPECT_FALSE(item(0)->hoverEnter());
    EXPECT_TRUE(item(0)->isSelected());
}

TEST(MainWindowGeometryTest, WindowShowsTheMiddleOfTheSidebarAndThePages)
{
    ContentView view;
    EXPECT_EQ(view.size(), QSize(900, 574));
    EXPECT_EQ(view.leftTab()->size(), QSize(180, 616));
    EXPECT_EQ(view.rightTab()->size(), QSize(720, 616));
    view.show();
    ASSERT_TRUE(waitUntil([&] { return view.rightTab()->geometry().right() == 899; }));
    // The empty band above the titles lies above the window; the pages'
    // lower edge is in view.
    EXPECT_EQ(view.leftTab()->geometry().topLeft(), QPoint(0, -42));
    EXPECT_EQ(view.rightTab()->geometry().topLeft(), QPoint(180, -42));
}

// On the 1024 × 600 screen at 150 % beside the desktop's (DesktopScreen.cpp)
// the window, its title bar counted, lies in the free area, and its content
// scrolls as far as its bottom-right corner, where the pages' last controls lie.
TEST(MainWindowGeometryTest, OnASmallScreenTheWindowStaysInTheFreeAreaAndItsContentScrolls)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    const auto small = std::find_if(
        screens.begin(), screens.end(), [](QScreen* screen) { return screen->name() == QStringLiteral("small"); });
    ASSERT_NE(small, screens.end());
    ContentView view;
    view.setScreen(*small);
    view.placeOnScreen();
    view.show();
    const QRect available = (*small)->availableGeometry();
    const auto frame
        = [&] { return view.geometry().marginsAdded(frameMargins(&view, ContentView::titleBarUntilFramed)); };
    EXPECT_TRUE(waitUntil([&] { return available.contains(frame()); }));

    QScrollArea* area = view.scrollArea();
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    QWidget* content = area->widget();
    const QRect shown(area->viewport()->mapTo(&view, QPoint()), area->viewport()->size());
    EXPECT_TRUE(view.rect().contains(shown));
    EXPECT_TRUE(shown.contains(content->mapTo(&view, QPoint(content->width() - 1, content->height() - 1))));
}

class ToastTest : public ::testing::Test {
protected:
    void postToast(const QString& text) { RxBus::shared().post(ContentViewEventBus::ToastEvent { text }); }

    ContentView view;
};

TEST_F(ToastTest, ToastsAppearOnlyOnceTheStartUpWorkSubscribed)
{
    postToast(QStringLiteral("early"));
    EXPECT_FALSE(view.toastPresenter()->isShowing());

    view.startupWork()->run();
    postToast(QStringLiteral("Saved"));
    EXPECT_TRUE(view.toastPresenter()->isShowing());
    EXPECT_EQ(view.toastPresenter()->text(), QStringLiteral("Saved"));
    EXPECT_EQ(view.toastPresenter()->duration(), std::chrono::seconds(5));
}

TEST_F(ToastTest, ToastSitsCentredFortyAboveTheBottomClearOfTheDetailPagesButtons)
{
    view.show();
    view.startupWork()->run();
    postToast(QStringLiteral("The logo has been saved to the \"Documents\" -> Tessaly directory"));
    auto* toast = view.findChild<ToastView*>();
    ASSERT_NE(toast, nullptr);
    ASSERT_TRUE(waitUntil([&] { return toast->isVisible(); }));
    EXPECT_EQ(toast->geometry().bottom() + 1, view.height() - 40);
    EXPECT_NEAR(toast->geometry().center().x(), view.width() / 2, 1);
    // "Edit Logo" and "Download original image" start 512 into the page area.
    EXPECT_LT(toast->geometry().right(), 180 + 512);
}

TEST_F(ToastTest, EachToastStaysForTheWholeDuration)
{
    view.startupWork()->run();
    view.toastPresenter()->setDuration(std::chrono::milliseconds(1500));
    postToast(QStringLiteral("first"));
    pumpEvents(1300);
    postToast(QStringLiteral("second"));
    pumpEvents(500);
    // The first toast's countdown ran out 300 ms ago; the second's has 1 s to go.
    EXPECT_TRUE(view.toastPresenter()->isShowing());
    EXPECT_EQ(view.toastPresenter()->text(), QStringLiteral("second"));
    EXPECT_TRUE(waitUntil([&] { return !view.toastPresenter()->isShowing(); }, 3000));
}

} // namespace
