#include "app/EditLogoWindow.h"

#include "canvas/WebViewViewController.h"
#include "components/WindowFit.h"
#include "core/ColorUtilities.h"
#include "editor/CanvasHost.h"
#include "editor/CanvasStage.h"
#include "editor/EditLogoView.h"
#include "editor/LoadingOverlay.h"
#include "fonts/FontRegistrationQueue.h"
#include "globals/AppGlobals.h"
#include "globals/WindowController.h"

#include <QApplication>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

namespace {
QSize contentSize()
{
    return QSize(static_cast<int>(editWindowWidth), static_cast<int>(editWindowHeight) - 28);
}

EditLogoView* makeEditorArea(const QString& svg, DesignId itemId, bool fromMyDesignsView, CanvasStage* stage)
{
    auto* view = new EditLogoView(
        svg, itemId, windowController(), fromMyDesignsView, WebView { &sharedWebViewController(), stage->plate() });
    view->setFixedSize(contentSize());
    return view;
}

QScreen* screenOf(QWidget* window)
{
    return window->screen() ? window->screen() : QGuiApplication::primaryScreen();
}

// Until the window manager has framed the window once, the title bar the
// editor's window size allows for stands in.
int titleBarUntilFramed()
{
    return static_cast<int>(editWindowHeight) - contentSize().height();
}

QMargins editorFrame(const QWidget* window)
{
    return frameMargins(window, titleBarUntilFramed());
}

QWidget* scrolling(QWidget* editor)
{
    auto* area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(editor);
    return area;
}

EditLogoView* openEditor(QMainWindow* window)
{
    return window->findChild<EditLogoView*>();
}

// Sizes the window for its screen; where it is smaller than the editor, the
// editor scrolls in it.
void fitToScreen(QMainWindow* window)
{
    QScreen* screen = screenOf(window);
    const WindowFit fit = screen ? windowFit(contentSize(), editorFrame(window), screen->availableGeometry(),
                              window->style()->pixelMetric(QStyle::PM_ScrollBarExtent))
                                 : WindowFit { contentSize(), false };
    window->setFixedSize(fit.size);

    EditLogoView* editor = openEditor(window);
    if (!editor) {
        // The loading cover while fonts are registered.
        if (QWidget* cover = window->centralWidget())
            cover->setFixedSize(fit.size);
        return;
    }
    auto* area = qobject_cast<QScrollArea*>(window->centralWidget());
    if (area && !fit.scrolls) {
        area->takeWidget();
        delete window->takeCentralWidget();
        window->setCentralWidget(editor);
    } else if (!area && fit.scrolls) {
        window->setCentralWidget(scrolling(window->takeCentralWidget()));
    }
    window->findChild<CanvasStage*>()->coverArea(editor->canvasHost());
}

void centreOnScreen(QWidget* window)
{
    QScreen* screen = screenOf(window);
    if (!screen)
        return;
    window->move(windowPosition(window->size().grownBy(editorFrame(window)), screen->availableGeometry()));
}

} // namespace

QMainWindow* editLogoWindow()
{
    static QPointer<QMainWindow> window;
    if (window)
        return window;
    window = new QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setFixedSize(contentSize());
    // The colour behind the editor view.
    QPalette background = window->palette();
    background.setColor(QPalette::Window, Color(0x1E1E1E));
    window->setPalette(background);
    // The canvas view lives here, above whichever editor is open, for the run.
    new CanvasStage(sharedWebViewController(), window);
    // Kept for the whole run, and removed while the application object still
    // exists so that the editor inside it shuts down in order.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, [] { delete window; });
    return window;
}

WindowController* windowController()
{
    static WindowController* controller = new WindowController(qApp);
    return controller;
}

namespace {
void replaceEditor(DesignId itemId, const QString& svg, bool fromMyDesignsView);

void bringToFront(QMainWindow* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void present(QMainWindow* window)
{
    centreOnScreen(window);
    windowController()->setWindow(window);
    bringToFront(window);
    // From then on the window fits in the window manager's real frame.
    refitWhenFramed(window, titleBarUntilFramed(), [window] {
        fitToScreen(window);
        centreOnScreen(window);
    });
}

// While installed fonts are still being registered the canvas page may not
// exist yet (fontconfig must not change under it): the window shows the
// editor's loading cover until they are, then the editor opens. A later
// open replaces the cover, and with it this one's wait.
bool waitForFonts(DesignId itemId, const QString& svg, bool fromMyDesignsView)
{
    if (!FontRegistrationQueue::isRunning())
        return false;
    QMainWindow* window = editLogoWindow();
    delete window->takeCentralWidget();
    auto* cover = new QWidget;
    auto* overlay = new LoadingOverlay(cover);
    overlay->setActive(true);
    // Over the whole cover, whatever size the window takes on its screen.
    auto* fill = new QVBoxLayout(cover);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(overlay);
    window->setCentralWidget(cover);
    fitToScreen(window);
    FontRegistrationQueue::whenFinished(
        cover, [itemId, svg, fromMyDesignsView] { replaceEditor(itemId, svg, fromMyDesignsView); });
    return true;
}

void replaceEditor(DesignId itemId, const QString& svg, bool fromMyDesignsView)
{
    QMainWindow* window = editLogoWindow();
    if (waitForFonts(itemId, svg, fromMyDesignsView)) {
        present(window);
        return;
    }

    auto* stage = window->findChild<CanvasStage*>();
    stage->holdCanvas();

    // The previous editor goes first: it drops its subscriptions and its
    // covers over the canvas before the next one is built around the canvas.
    delete window->takeCentralWidget();
    window->setCentralWidget(makeEditorArea(svg, itemId, fromMyDesignsView, stage));
    fitToScreen(window);
    present(window);
}
} // namespace

void showEditLogoWindow(DesignId itemId, const QString& svg, bool fromMyDesignsView)
{
    QMainWindow* window = editLogoWindow();
    EditLogoView* open = openEditor(window);
    if (!open || !window->isVisible()) {
        replaceEditor(itemId, svg, fromMyDesignsView);
        return;
    }
    // The open editor decides when its design may go; the user sees which
    // design the question is about.
    bringToFront(window);
    open->replaceWith([itemId, svg, fromMyDesignsView] { replaceEditor(itemId, svg, fromMyDesignsView); });
}
