// The one quit decision, and the ways of quitting that reach it.

#include "app/QuitDecision.h"

#include "app/AppDelegate.h"
#include "app/ContentView.h"
#include "app/PageSelection.h"
#include "core/RxBus.h"
#include "editor/EditorEvents.h"
#include "globals/AppGlobals.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

// Counts the quit-save events the editor would receive.
class QuitSaveRecorder {
public:
    QuitSaveRecorder()
    {
        subscribeEvent<EditLogoViewEvent::QuitSaveLogoEvent>(
            m_bag, [this](const EditLogoViewEvent::QuitSaveLogoEvent&) { ++m_count; });
    }
    int count() const { return m_count; }

private:
    rx::DisposeBag m_bag;
    int m_count = 0;
};

class QuitDecisionTest : public ::testing::Test {
protected:
    void TearDown() override { canQuitWithoutSaving = true; }

    QuitDecision decisionAnswering(QuitDecision::Answer answer)
    {
        return QuitDecision([this, answer] {
            ++asked;
            return answer;
        });
    }

    int asked = 0;
    QuitSaveRecorder quitSaves;
};

TEST_F(QuitDecisionTest, NothingUnsavedQuitsWithoutAsking)
{
    canQuitWithoutSaving = true;
    QuitDecision decision = decisionAnswering(QuitDecision::Answer::Save);
    EXPECT_EQ(decision.decide(), QuitDecision::Reply::Now);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(quitSaves.count(), 0);
}

TEST_F(QuitDecisionTest, SaveAsksTheEditorToSaveAndKeepsRunning)
{
    canQuitWithoutSaving = false;
    QuitDecision decision = decisionAnswering(QuitDecision::Answer::Save);
    EXPECT_EQ(decision.decide(), QuitDecision::Reply::Cancel);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(quitSaves.count(), 1);
}

TEST_F(QuitDecisionTest, CancelQuitsWithoutSaving)
{
    canQuitWithoutSaving = false;
    QuitDecision decision = decisionAnswering(QuitDecision::Answer::Cancel);
    EXPECT_EQ(decision.decide(), QuitDecision::Reply::Now);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(quitSaves.count(), 0);
}

class AppDelegateQuitTest : public QuitDecisionTest {
protected:
    void SetUp() override
    {
        delegate = std::make_unique<AppDelegate>();
        delegate->applicationDidFinishLaunching();
        delegate->setTerminator([this] { ++terminated; });
    }
    void TearDown() override
    {
        delegate.reset();
        setQuitRequestHandler({});
        QuitDecisionTest::TearDown();
    }

    std::unique_ptr<AppDelegate> delegate;
    int terminated = 0;
};

TEST_F(AppDelegateQuitTest, EveryQuitRequestGoesThroughTheDecision)
{
    canQuitWithoutSaving = false;
    delegate->setQuitDecision(decisionAnswering(QuitDecision::Answer::Save));

    delegate->quitAction()->trigger(); // menu item and Shift+Ctrl+Q
    requestApplicationQuit(); // the editor's second terminate
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(quitSaves.count(), 2);
    EXPECT_EQ(terminated, 0);
    EXPECT_FALSE(delegate->isQuitting());

    // After the editor saved, its request passes at once.
    canQuitWithoutSaving = true;
    requestApplicationQuit();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(terminated, 1);
    EXPECT_TRUE(delegate->isQuitting());

    // Once quitting, further requests change nothing.
    delegate->quitAction()->trigger();
    EXPECT_EQ(terminated, 1);
}

TEST_F(AppDelegateQuitTest, RequestWhileTheAlertIsOpenIsDropped)
{
    canQuitWithoutSaving = false;
    delegate->setQuitDecision(QuitDecision([this] {
        ++asked;
        delegate->requestQuit(); // e.g. the tray's "Quit" chosen again
        return QuitDecision::Answer::Cancel;
    }));
    delegate->requestQuit();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(terminated, 1);
}

TEST_F(AppDelegateQuitTest, OpenTheMainWindowBringsBackTheSameWindow)
{
    ContentView* window = delegate->window();
    window->selection()->setIndex(PageSelection::Settings);
    window->hide();
    delegate->openMainWindow();
    EXPECT_EQ(delegate->window(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->selection()->index(), PageSelection::Settings);
}

TEST_F(AppDelegateQuitTest, QuitShortcutIsShiftCtrlQForTheWholeApplication)
{
    EXPECT_EQ(delegate->quitAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q));
    EXPECT_EQ(delegate->quitAction()->shortcutContext(), Qt::ApplicationShortcut);
    EXPECT_TRUE(delegate->window()->actions().contains(delegate->quitAction()));
}

TEST_F(AppDelegateQuitTest, WithoutATrayClosingTheMainWindowAsksToQuit)
{
    ASSERT_FALSE(delegate->hasTray()); // offscreen desktops report no tray
    ContentView* window = delegate->window();
    ASSERT_TRUE(window->isVisible());

    // "Save": the window stays, so the user is never left without one.
    canQuitWithoutSaving = false;
    delegate->setQuitDecision(decisionAnswering(QuitDecision::Answer::Save));
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(quitSaves.count(), 1);
    EXPECT_EQ(terminated, 0);

    // "Cancel": quits without saving, and the window may then close.
    delegate->setQuitDecision(decisionAnswering(QuitDecision::Answer::Cancel));
    window->close();
    EXPECT_EQ(terminated, 1);
    EXPECT_EQ(quitSaves.count(), 1);
    EXPECT_TRUE(window->close());
}

TEST_F(AppDelegateQuitTest, MainWindowIsFixedCentredAndWithoutMaximiseButton)
{
    ContentView* window = delegate->window();
    EXPECT_EQ(window->size(), ContentView::windowSize);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(window->windowTitle().isEmpty());
    EXPECT_FALSE(QGuiApplication::quitOnLastWindowClosed());
}

} // namespace
