// The editor window: created once, reused, fixed size, and the globals the
// opener hands to the editor.

#include "app/EditLogoWindow.h"

#include "canvas/WebViewViewController.h"
#include "components/ToastView.h"
#include "components/WindowFit.h"
#include "editor/CanvasHost.h"
#include "editor/CanvasStage.h"
#include "editor/EditLogoView.h"
#include "editor/EditorTestSupport.h"
#include "editor/EditorToast.h"
#include "editor/LoadingOverlay.h"
#include "fonts/FontRegistrationQueue.h"
#include "globals/AppGlobals.h"
#include "globals/WindowController.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWheelEvent>
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>

namespace {

// One notch of a mouse wheel, down, at the centre of `target`.
void turnWheel(QWidget* target, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointF centre = QRectF(target->rect()).center();
    QWheelEvent turn(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton, modifiers,
        Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(target, &turn);
}

// What `expression` gives in the shared canvas page.
QVariant evaluateOnCanvasPage(const QString& expression)
{
    auto* view = qobject_cast<QWebEngineView*>(sharedWebViewController().view());
    std::optional<QVariant> result;
    view->page()->runJavaScript(expression, [&result](const QVariant& value) { result = value; });
    waitUntil([&result] { return result.has_value(); });
    return result.value_or(QVariant());
}

// Two Ctrl+wheel turns over the canvas, as a touchpad's pinch also arrives:
// once the page has had them, its zoom stays at 100 % for a second.
void expectCtrlWheelKeepsTheZoom(QWebEngineView* canvas)
{
    ASSERT_TRUE(waitUntil([] { return sharedWebViewController().isPageReady(); }, 30000));
    ASSERT_TRUE(
        evaluateOnCanvasPage(QStringLiteral("window.__ctrlTurns = 0; addEventListener('wheel', e => {"
                                            " if (e.ctrlKey) ++window.__ctrlTurns; }, { passive: true }); true"))
            .toBool());
    // A page drops input until it has drawn: two animation frames in, it has.
    ASSERT_TRUE(evaluateOnCanvasPage(QStringLiteral("window.__drawn = false; requestAnimationFrame(() =>"
                                                    " requestAnimationFrame(() => { window.__drawn = true; })); true"))
                    .toBool());
    ASSERT_TRUE(waitUntil([] { return evaluateOnCanvasPage(QStringLiteral("window.__drawn")).toBool(); }));
    turnWheel(canvas->focusProxy(), Qt::ControlModifier);
    turnWheel(canvas->focusProxy(), Qt::ControlModifier);
    ASSERT_TRUE(waitUntil([] { return evaluateOnCanvasPage(QStringLiteral("window.__ctrlTurns")).toInt() == 2; }));
    EXPECT_FALSE(waitUntil([canvas] { return canvas->zoomFactor() != 1.0; }, 1000)) << canvas->zoomFactor();
}

class EditLogoWindowTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        // The editor hands the shared canvas back to its controller as it goes,
        // as it does when the application quits.
        delete editLogoWindow()->takeCentralWidget();
        editLogoWindow()->hide();
        // Web views must go while the application object is whole; this test
        // program has no quit to end them at.
        delete sharedWebViewController().view();
        canQuitWithoutSaving = true;
    }
};

TEST_F(EditLogoWindowTest, OpensInOneReusedWindowOfFixedSize)
{
    showEditLogoWindow(7, QStringLiteral("<svg/>"), false);
    QMainWindow* first = editLogoWindow();
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->size(), QSize(1060, 632));
    EXPECT_EQ(first->minimumSize(), first->maximumSize());
    const Qt::WindowFlags flags = first->windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(windowController()->window(), first);

    first->hide();
    showEditLogoWindow(8, QStringLiteral("<svg/>"), true);
    EXPECT_EQ(editLogoWindow(), first);
    EXPECT_TRUE(first->isVisible());
}

TEST_F(EditLogoWindowTest, WhileFontsAreQueuedTheLoadingCoverShowsAndNoPageIsMade)
{
    // The user opens a design before the start-up registration is done.
    ASSERT_FALSE(WebViewViewController::liveViewExists());
    FontRegistrationQueue::start({ QStringLiteral("Chewy"), QStringLiteral("Coda"), QStringLiteral("Jua") });
    showEditLogoWindow(1, QStringLiteral("<svg/>"), false);
    QMainWindow* window = editLogoWindow();
    EXPECT_TRUE(window->isVisible());
    auto* cover = window->centralWidget()->findChild<LoadingOverlay*>();
    ASSERT_NE(cover, nullptr);
    EXPECT_TRUE(cover->isActive());
    EXPECT_FALSE(WebViewViewController::liveViewExists());

    ASSERT_TRUE(waitUntil([&] { return qobject_cast<EditLogoView*>(window->centralWidget()) != nullptr; }));
    EXPECT_FALSE(FontRegistrationQueue::isRunning());
    EXPECT_TRUE(WebViewViewController::liveViewExists());
}

TEST_F(EditLogoWindowTest, EachOpenReplacesTheEditorView)
{
    showEditLogoWindow(1, QStringLiteral("<svg/>"), false);
    QPointer<QWidget> previous = editLogoWindow()->centralWidget();
    ASSERT_TRUE(previous);
    EXPECT_EQ(previous->size(), QSize(1060, 632));

    showEditLogoWindow(2, QStringLiteral("<svg/>"), false);
    EXPECT_TRUE(previous.isNull());
    ASSERT_NE(editLogoWindow()->centralWidget(), nullptr);
    EXPECT_EQ(editLogoWindow()->centralWidget()->size(), QSize(1060, 632));
}

// Counts the times a widget is given another parent.
class ParentChanges : public QObject {
public:
    explicit ParentChanges(QObject* watched) { watched->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::ParentChange;
        return false;
    }
};

TEST_F(EditLogoWindowTest, SharedCanvasViewStaysInOnePlaceWhileEditorsComeAndGo)
{
    showEditLogoWindow(4, QStringLiteral("<svg/>"), false);
    QPointer<QWidget> canvas = sharedWebViewController().view();
    ASSERT_TRUE(canvas);
    ParentChanges moves(canvas);

    showEditLogoWindow(5, QStringLiteral("<svg/>"), false);
    editLogoWindow()->hide();
    showEditLogoWindow(6, QStringLiteral("<svg/>"), true);
    ASSERT_TRUE(canvas);
    EXPECT_EQ(sharedWebViewController().view(), canvas.data());
    EXPECT_EQ(moves.count, 0);
    EXPECT_TRUE(editLogoWindow()->isAncestorOf(canvas));
    // It lies over the open editor's canvas area, under that editor's cover.
    auto* editor = qobject_cast<EditLogoView*>(editLogoWindow()->centralWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(canvas->mapTo(editLogoWindow(), QPoint()), editor->canvasHost()->mapTo(editLogoWindow(), QPoint()));
    LoadingOverlay* cover = editor->canvasHost()->loadingOverlay();
    ASSERT_TRUE(cover->isActive());
    EXPECT_EQ(editLogoWindow()->childAt(cover->mapTo(editLogoWindow(), cover->rect().center())), cover);
}

TEST_F(EditLogoWindowTest, HandsTheDesignToTheEditor)
{
    const auto openModel = [] { return &qobject_cast<EditLogoView*>(editLogoWindow()->centralWidget())->model(); };
    showEditLogoWindow(0, QStringLiteral("<svg id='a'/>"), true);
    EXPECT_EQ(openModel()->itemId(), 0);
    EXPECT_EQ(openModel()->svg(), QStringLiteral("<svg id='a'/>"));
    EXPECT_TRUE(openModel()->fromMyDesignsView());

    showEditLogoWindow(-42, QString(), false);
    EXPECT_EQ(openModel()->itemId(), -42);
    showEditLogoWindow(5000000000LL, QString(), false);
    EXPECT_EQ(openModel()->itemId(), 5000000000LL);
    EXPECT_FALSE(openModel()->fromMyDesignsView());
}

TEST_F(EditLogoWindowTest, AnEditorWithUnsavedChangesAsksBeforeItsDesignIsReplaced)
{
    SharedCanvasRecorder canvas;
    FakeUploader uploader;
    const auto openEditor = [] { return qobject_cast<EditLogoView*>(editLogoWindow()->centralWidget()); };
    const auto change = [](EditLogoView* editor) {
        pageLoadsDesign(editor->model());
        RxBus::shared().post(EditLogoViewEvent::undoRedoStateEvent { true, false });
    };
    showEditLogoWindow(1, QStringLiteral("<svg id='a'/>"), false);
    QPointer<EditLogoView> first = openEditor();
    change(first);
    {
        ScopedSaveChangesAnswer cancel(SaveChangesDialog::Choice::Cancel);
        showEditLogoWindow(2, QStringLiteral("<svg id='b'/>"), false);
        EXPECT_EQ(cancel.asked(), 1);
        EXPECT_EQ(openEditor(), first.data());
        EXPECT_EQ(openEditor()->model().itemId(), 1);
        EXPECT_TRUE(editLogoWindow()->isVisible());
    }
    {
        // The design is saved under its own id before the next one opens.
        ScopedSaveChangesAnswer save(SaveChangesDialog::Choice::Save);
        showEditLogoWindow(3, QStringLiteral("<svg id='c'/>"), true);
        EXPECT_EQ(openEditor(), first.data());
        RxBus::shared().post(EditLogoViewEvent::imagesvgBase64StringEvent { QStringLiteral("PHN2Zy8+") });
        ASSERT_EQ(uploader.requests().size(), 1u);
        EXPECT_EQ(uploader.requests()[0].itemId, QStringLiteral("1"));
        uploader.complete(true);
        ASSERT_TRUE(waitUntil([&] { return first.isNull(); }, 5000));
        EXPECT_EQ(openEditor()->model().itemId(), 3);
        EXPECT_TRUE(editLogoWindow()->isVisible());
    }
    change(openEditor());
    ScopedSaveChangesAnswer dontSave(SaveChangesDialog::Choice::DontSave);
    showEditLogoWindow(4, QStringLiteral("<svg id='d'/>"), false);
    EXPECT_EQ(dontSave.asked(), 1);
    EXPECT_EQ(openEditor()->model().itemId(), 4);
}

// On the 1024 × 600 screen at 150 % beside the desktop's (DesktopScreen.cpp)
// the editor scrolls, and the canvas view lies over its scroll area, not in it.
class SmallScreenEditorTest : public EditLogoWindowTest {
protected:
    void SetUp() override
    {
        const QList<QScreen*> screens = QGuiApplication::screens();
        const auto small = std::find_if(
            screens.begin(), screens.end(), [](QScreen* screen) { return screen->name() == QStringLiteral("small"); });
        ASSERT_NE(small, screens.end());
        editLogoWindow()->setScreen(*small);
    }
    void TearDown() override
    {
        EditLogoWindowTest::TearDown();
        editLogoWindow()->setScreen(QGuiApplication::primaryScreen());
    }
};

TEST_F(SmallScreenEditorTest, TheCanvasAndTheToastStayInViewAndTheWheelOverTheCanvasScrolls)
{
    showEditLogoWindow(1, QStringLiteral("<svg/>"), false);
    QMainWindow* window = editLogoWindow();
    auto* area = qobject_cast<QScrollArea*>(window->centralWidget());
    ASSERT_NE(area, nullptr);
    auto* editor = qobject_cast<EditLogoView*>(area->widget());
    ASSERT_NE(editor, nullptr);
    auto* canvas = qobject_cast<QWebEngineView*>(sharedWebViewController().view());
    ASSERT_TRUE(waitUntil([&] { return canvas->focusProxy() != nullptr; }, 30000));
    const QRect viewport(area->viewport()->mapTo(window, QPoint()), area->viewport()->size());
    QScrollBar* bar = area->verticalScrollBar();

    // Scrolled to the top, the editor's bottom edge lies below the window's.
    editor->model().toast().show(QStringLiteral("Saved"));
    ToastView* toast = editor->toastView();
    ASSERT_TRUE(toast->isVisible());
    EXPECT_TRUE(viewport.contains(toast->geometry())) << "scrolled to the top";

    // A turn over the canvas scrolls as far as one beside it, also once the
    // view's renderer, and with it its render widget, was made anew.
    turnWheel(area->viewport());
    const int besideTheCanvas = bar->value();
    EXPECT_GT(besideTheCanvas, 0);
    EXPECT_LT(besideTheCanvas, bar->maximum());
    bar->setValue(0);
    turnWheel(canvas->focusProxy());
    EXPECT_EQ(bar->value(), besideTheCanvas);

    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
    auto* stage = window->findChild<CanvasStage*>();
    EXPECT_TRUE(viewport.contains(stage->geometry()))
        << viewport.x() << "," << viewport.y() << " " << viewport.width() << "x" << viewport.height() << " stage "
        << stage->geometry().x() << "," << stage->geometry().y() << " " << stage->width() << "x" << stage->height()
        << " h " << area->horizontalScrollBar()->value() << " v " << bar->value();
    EXPECT_EQ(canvas->mapTo(window, QPoint()), editor->canvasHost()->mapTo(window, QPoint()));
    EXPECT_TRUE(viewport.contains(toast->geometry())) << "scrolled down and across";

    QObject waiting;
    bool rendererEnded = false;
    QObject::connect(canvas->page(), &QWebEnginePage::renderProcessTerminated, &waiting, [&] { rendererEnded = true; });
    canvas->load(QUrl(QStringLiteral("chrome://kill")));
    ASSERT_TRUE(waitUntil([&] { return rendererEnded; }, 10000));
    sharedWebViewController().reloadPage();
    ASSERT_TRUE(waitUntil([] { return sharedWebViewController().isPageReady(); }, 30000));
    bar->setValue(0);
    turnWheel(canvas->focusProxy());
    EXPECT_EQ(bar->value(), besideTheCanvas) << "after the renderer was made anew";

    // Ctrl+wheel over the canvas neither zooms nor scrolls.
    expectCtrlWheelKeepsTheZoom(canvas);
    EXPECT_EQ(bar->value(), besideTheCanvas);
}

// Screens given by their free area in logical pixels, as the window system
// reports them at the user's scale.
TEST(EditLogoWindowPosition, CentredWhereItFitsAndFromTheTopLeftWhereItDoesNot)
{
    const QSize frame(1060, 660);
    const struct {
        const char* screen;
        QRect available;
        QPoint expected;
    } cases[] = {
        { "1920x1080 with a top panel", QRect(0, 28, 1920, 1052), QPoint(430, 224) },
        { "1366x768 at 125 %", QRect(0, 0, 1093, 614), QPoint(16, 0) },
        { "1400x900 at 150 %", QRect(0, 24, 933, 576), QPoint(0, 24) },
        { "a second screen to the left, too small", QRect(-1024, 100, 1024, 700), QPoint(-1024, 120) },
        { "exactly the frame", QRect(10, 20, 1060, 660), QPoint(10, 20) },
    };
    for (const auto& c : cases) {
        const QPoint position = windowPosition(frame, c.available);
        EXPECT_EQ(position, c.expected) << c.screen;
        EXPECT_TRUE(c.available.contains(position)) << c.screen;
    }
}

// The same screens, with a frame of a 28-pixel title bar and 1-pixel borders
// and scroll bars 14 pixels thick.
TEST(EditLogoWindowFit, TheEditorsSizeWhereItFitsElseTheFreeAreaAndScrolling)
{
    const QSize content(1060, 632);
    const QMargins frame(1, 28, 1, 1);
    const struct {
        const char* screen;
        QRect available;
        WindowFit expected;
    } cases[] = {
        { "1920x1080 with a top panel", QRect(0, 28, 1920, 1052), { QSize(1060, 632), false } },
        { "exactly the frame", QRect(10, 20, 1062, 661), { QSize(1060, 632), false } },
        { "1366x768 at 125 %", QRect(0, 0, 1093, 614), { QSize(1074, 585), true } },
        { "1400x900 at 150 %", QRect(0, 24, 933, 576), { QSize(931, 547), true } },
        { "one pixel too short", QRect(0, 0, 1200, 660), { QSize(1074, 631), true } },
        { "too short, and too narrow beside the scroll bar", QRect(0, 0, 1070, 600), { QSize(1068, 571), true } },
        { "too narrow only", QRect(0, 0, 1000, 900), { QSize(998, 646), true } },
        { "too narrow, and too short under the scroll bar", QRect(0, 0, 1000, 670), { QSize(998, 641), true } },
    };
    for (const auto& c : cases) {
        const WindowFit fit = windowFit(content, frame, c.available, 14);
        EXPECT_EQ(fit.size, c.expected.size) << c.screen;
        EXPECT_EQ(fit.scrolls, c.expected.scrolls) << c.screen;
    }
}

TEST_F(EditLogoWindowTest, CtrlWheelOverTheCanvasLeavesItsSize)
{
    showEditLogoWindow(1, QStringLiteral("<svg/>"), false);
    ASSERT_EQ(qobject_cast<QScrollArea*>(editLogoWindow()->centralWidget()), nullptr);
    auto* canvas = qobject_cast<QWebEngineView*>(sharedWebViewController().view());
    ASSERT_TRUE(waitUntil([&] { return canvas->focusProxy() != nullptr; }, 30000));
    expectCtrlWheelKeepsTheZoom(canvas);
}

TEST_F(EditLogoWindowTest, ClosingHasThePageCollectItsGarbage)
{
    EventRecorder<EditLogoViewEvent::svgLoadSuccessEvent> drawn;
    showEditLogoWindow(4, QStringLiteral(R"(<svg width="10" height="10"><rect width="5" height="5"/></svg>)"), false);
    ASSERT_TRUE(waitUntil([&drawn] { return drawn.count() > 0; }, 30000));
    // An object only a collection takes away.
    ASSERT_TRUE(evaluateOnCanvasPage(QStringLiteral("window.probe = new WeakRef({}); true")).toBool());
    ASSERT_TRUE(evaluateOnCanvasPage(QStringLiteral("window.probe.deref() !== undefined")).toBool());

    editLogoWindow()->close();
    EXPECT_TRUE(waitUntil(
        [] { return evaluateOnCanvasPage(QStringLiteral("window.probe.deref() === undefined")).toBool(); }, 3000));
}

TEST_F(EditLogoWindowTest, ClosingOnlyHidesTheWindow)
{
    showEditLogoWindow(3, QStringLiteral("<svg/>"), false);
    QPointer<QMainWindow> window = editLogoWindow();
    windowController()->closeWindow();
    EXPECT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
}

} // namespace
