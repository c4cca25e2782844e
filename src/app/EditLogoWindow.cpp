#include "app/EditLogoWindow.h"

#include "canvas/WebViewViewController.h"
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
#include <algorithm>

namespace {
QSize contentSize()
{
    return QSize(static_cast<int>(editWindowWidth), static_cast<int>(editWindowHeight) - 28);
}

EditLogoView* makeEditorArea(const QString& svg, DesignId itemId, bool fromMyDesignsView, CanvasStage* stage)
{
    auto* view = new EditLogoView(
        svg, itemId, windowController(), fromMyDesignsView, WebView { &sharedWebViewController(), stage });
    view->setFixedSize(contentSize());
    return view;
}

void centreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->move(editLogoWindowPosition(window->frameGeometry().size(), screen->availableGeometry()));
}
} // namespace

QPoint editLogoWindowPosition(QSize frame, const QRect& available)
{
    return available.topLeft()
        + QPoint(std::max(0, (available.width() - frame.width()) / 2),
            std::max(0, (available.height() - frame.height()) / 2));
}

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
    cover->setFixedSize(contentSize());
    auto* overlay = new LoadingOverlay(cover);
    overlay->setGeometry(cover->rect());
    overlay->setActive(true);
    window->setCentralWidget(cover);
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
    EditLogoView* editor = makeEditorArea(svg, itemId, fromMyDesignsView, stage);
    window->setCentralWidget(editor);
    stage->coverArea(editor->canvasHost());
    present(window);
}
} // namespace

void showEditLogoWindow(DesignId itemId, const QString& svg, bool fromMyDesignsView)
{
    QMainWindow* window = editLogoWindow();
    auto* open = qobject_cast<EditLogoView*>(window->centralWidget());
    if (!open || !window->isVisible()) {
        replaceEditor(itemId, svg, fromMyDesignsView);
        return;
    }
    // The open editor decides when its design may go; the user sees which
    // design the question is about.
    bringToFront(window);
    open->replaceWith([itemId, svg, fromMyDesignsView] { replaceEditor(itemId, svg, fromMyDesignsView); });
}
