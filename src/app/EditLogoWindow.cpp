#include "app/EditLogoWindow.h"

#include "core/ColorUtilities.h"
#include "editor/EditLogoView.h"
#include "globals/AppGlobals.h"
#include "globals/WindowController.h"

#include <QApplication>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>

namespace {
QSize contentSize()
{
    return QSize(static_cast<int>(editWindowWidth), static_cast<int>(editWindowHeight) - 28);
}

QWidget* makeEditorArea(const QString& svg, qint64 itemId, bool fromMyDesignsView)
{
    auto* view = new EditLogoView(svg, itemId, windowController(), fromMyDesignsView);
    view->setFixedSize(contentSize());
    return view;
}

void centreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
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

void replaceEditor(qint64 itemId, const QString& svg, bool fromMyDesignsView)
{
    editLogoItemId = QString::number(itemId);
    editorSvg = svg;
    editorFromMyDesignsView = fromMyDesignsView;
    WindowController* controller = windowController();
    QMainWindow* window = editLogoWindow();

    // The previous editor goes first: it hands the shared canvas view back to
    // its controller and drops its subscriptions before the next one is built.
    delete window->takeCentralWidget();
    window->setCentralWidget(makeEditorArea(editorSvg, itemId, fromMyDesignsView));

    centreOnScreen(window);
    controller->setWindow(window);
    bringToFront(window);
}
} // namespace

void showEditLogoWindow(qint64 itemId, const QString& svg, bool fromMyDesignsView)
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
