#include "app/EditLogoWindow.h"

#include "canvas/WebViewViewController.h"
#include "core/ColorUtilities.h"
#include "editor/CanvasHost.h"
#include "editor/CanvasStage.h"
#include "editor/EditLogoView.h"
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
void bringToFront(QMainWindow* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void replaceEditor(DesignId itemId, const QString& svg, bool fromMyDesignsView)
{
    WindowController* controller = windowController();
    QMainWindow* window = editLogoWindow();

    auto* stage = window->findChild<CanvasStage*>();
    stage->holdCanvas();

    // The previous editor goes first: it drops its subscriptions and its
    // covers over the canvas before the next one is built around the canvas.
    delete window->takeCentralWidget();
    EditLogoView* editor = makeEditorArea(svg, itemId, fromMyDesignsView, stage);
    window->setCentralWidget(editor);
    stage->coverArea(editor->canvasHost());

    centreOnScreen(window);
    controller->setWindow(window);
    bringToFront(window);
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
