#include "app/AppDelegate.h"

#include "app/ContentView.h"
#include "app/DarkAppearance.h"
#include "app/ProcessStartClock.h"
#include "core/Localization.h"
#include "core/Log.h"
#include "core/PersistenceController.h"
#include "core/PrivateTempFolders.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"
#include "core/SharedIcon.h"
#include "globals/AppGlobals.h"
#include "globals/EditorModule.h"
#include "globals/WindowController.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QIcon>
#include <QMenu>
#include <QSessionManager>
#include <QSystemTrayIcon>
#include <QTimer>

AppDelegate::AppDelegate(QObject* parent)
    : QObject(parent)
    , m_terminate([] {
        // Unsaved work was settled by the decision: leave the event loop
        // without asking each window again.
        QMetaObject::invokeMethod(
            qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    })
{
}

AppDelegate::~AppDelegate()
{
    setApplicationEndingQuery({});
}

void AppDelegate::applicationDidFinishLaunching()
{
    // A save's files left by a process that was killed hold the user's design.
    PrivateTempFolders::removeAbandoned();
    DarkAppearance::apply();
    createStatusMenu();

    // Closing a window never ends the run by itself; quitting is decided here.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // The editor module installs its panels when it loads, before any editor exists.
    setEditLogoWindowOpener(&EditorModule::open);
    // A session manager that quits the program although it refused the end
    // (it could not say so without interaction) finds its unsaved work still
    // being settled: the windows ask then.
    setApplicationEndingQuery(
        [this] { return m_quitting || (m_sessionQuitting && !isQuitSaveRunning() && !m_deciding); });
    // Sees the main window's close, and the quit that ends a session.
    qApp->installEventFilter(this);
    subscribeEvent<EditLogoViewEvent::QuitSaveSucceededEvent>(
        m_subscriptions, [this](const EditLogoViewEvent::QuitSaveSucceededEvent&) { quitSaveSucceeded(); });
    subscribeEvent<EditLogoViewEvent::QuitSaveEndedEvent>(
        m_subscriptions, [this](const EditLogoViewEvent::QuitSaveEndedEvent&) { endQuitSave(); });
#ifndef QT_NO_SESSIONMANAGER
    connect(qApp, &QGuiApplication::commitDataRequest, this, &AppDelegate::handleSessionEnd);
#endif

    setUpMainWindow();
}

void AppDelegate::createStatusMenu()
{
    m_statusMenu = std::make_unique<QMenu>();
    m_openAction = m_statusMenu->addAction(localized(QStringLiteral("Open the main window")));
    connect(m_openAction, &QAction::triggered, this, &AppDelegate::openMainWindow);
    m_statusMenu->addSeparator();
    m_quitAction = m_statusMenu->addAction(localized(QStringLiteral("Quit")));
    // The upper-case key: the shortcut reads Shift+Ctrl+Q.
    m_quitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q));
    m_quitAction->setShortcutContext(Qt::ApplicationShortcut);
    connect(m_quitAction, &QAction::triggered, this, &AppDelegate::requestQuit);
}

void AppDelegate::createStatusBarItem()
{
    // Where the desktop has no tray, the main window's close button quits instead.
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        printLine(QStringLiteral("No system tray: closing the main window quits"));
        return;
    }
    m_statusBarItem = new QSystemTrayIcon(trayIcon(), this);
    m_statusBarItem->setContextMenu(m_statusMenu.get());
    connect(m_statusBarItem, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            reopenMainWindow();
    });
    m_statusBarItem->show();
}

QIcon AppDelegate::trayIcon()
{
    // A dark tile with a light rim and glyph, so it reads on light and dark trays alike.
    return sharedIcon(QStringLiteral(":/images/TrayIcon.svg"));
}

void AppDelegate::setUpMainWindow()
{
    m_window = std::make_unique<ContentView>();
    // Fixed size, no maximise button, no title text.
    m_window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_window->setWindowTitle(QString());
    m_window->addAction(m_quitAction);
    connect(m_window.get(), &ContentView::firstPainted, this, [this] {
        printLine(QStringLiteral("Main window shown after %1 ms").arg(ProcessStartClock::elapsedMilliseconds()));
        // The windows' icon (an SVG drawn at every size the desktop may ask
        // for, set on the application so that the editor window and the
        // alerts carry it too), the tray and the store come once the window
        // is up, so none of them holds up the first paint.
        QApplication::setWindowIcon(sharedIcon(QStringLiteral(":/images/Main_icon 2.svg")));
        if (!m_statusBarItem)
            createStatusBarItem();
        if (!m_persistence)
            m_persistence = &PersistenceController::shared();
        // The editor module loads once the window is up, so the first editor
        // open finds it loaded.
        QTimer::singleShot(0, this, [] { EditorModule::load(); });
    });

    m_window->placeOnScreen();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void AppDelegate::openMainWindow()
{
    if (m_window)
        showInFront(m_window.get(), false);
}

void AppDelegate::reopenMainWindow()
{
    if (!m_window)
        return;
    m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
}

void AppDelegate::requestQuit()
{
    // One decision at a time: a second request while the alert is open is dropped.
    if (m_quitting || m_deciding)
        return;
    // The save a session end started is the save this quit would ask for:
    // once it succeeds the program quits, and should it fail a later quit asks.
    if (m_quitSave == QuitSave::ForSession) {
        m_quitSave = QuitSave::ForQuit;
        return;
    }
    // The answer was given: the running quit-save's success ends the program.
    if (isQuitSaveRunning())
        return;
    if (decide(QuitSave::ForQuit))
        quit();
}

void AppDelegate::quit()
{
    m_quitting = true;
    m_terminate();
}

bool AppDelegate::decide(QuitSave purpose)
{
    m_deciding = true;
    const QuitDecision::Reply reply = m_quitDecision.decide();
    m_deciding = false;
    if (reply == QuitDecision::Reply::Now)
        return true;
    if (reply == QuitDecision::Reply::Stay)
        return false;
    // Set first: the editor may settle at once, with nothing to save, and
    // say so from inside the post.
    m_quitSave = purpose;
    RxBus::shared().post(EditLogoViewEvent::QuitSaveLogoEvent {});
    return false;
}

void AppDelegate::quitSaveSucceeded()
{
    const QuitSave purpose = m_quitSave;
    endQuitSave();
    // Saved for a session end: the session manager ends the program, if the
    // session ends; a checkpoint leaves it running with nothing unsaved.
    if (purpose == QuitSave::ForQuit)
        quit();
}

void AppDelegate::endQuitSave()
{
    m_quitSave = QuitSave::None;
    if (m_sessionSaveWait)
        m_sessionSaveWait->quit();
}

bool AppDelegate::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window.get() && event->type() == QEvent::Close && !m_quitting && !hasTray()
        && !closesWithoutAsking(*static_cast<QCloseEvent*>(event))) {
        // Without a tray a hidden main window could not be brought back.
        event->ignore();
        requestQuit();
        return true;
    }
    if (watched == qApp && event->type() == QEvent::Quit && event->spontaneous()) {
        // The session manager's quit: it comes once the session may end, as
        // this program decided when asked, so the windows it closes go without
        // asking. That holds for this quit only: once it is handled, whether
        // it ended the program or not, a later quit asks.
        m_sessionQuitting = true;
        QMetaObject::invokeMethod(
            this, [this] { m_sessionQuitting = false; }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

bool AppDelegate::decideSessionEnd(const std::function<bool()>& allowsInteraction)
{
    if (m_quitting || canQuitWithoutSaving)
        return true;
    // The user has chosen to save first: the program ends once that save is done.
    if (isQuitSaveRunning())
        return false;
    if (!allowsInteraction())
        return true;
    // "Confirm exit" is open already: the user is answering it.
    if (m_deciding)
        return false;
    // Not ended here: the session manager's quit ends the program.
    if (decide(QuitSave::ForSession))
        return true;
    return waitForSessionSave();
}

bool AppDelegate::waitForSessionSave()
{
    if (isQuitSaveRunning()) {
        // The session manager waits while the interaction is held, as it does
        // for the alert; its messages, a cancel among them, still arrive.
        QEventLoop wait;
        QTimer::singleShot(longestEditorSave(), &wait, &QEventLoop::quit);
        m_sessionSaveWait = &wait;
        wait.exec();
        m_sessionSaveWait = nullptr;
    }
    // Still running, it goes on; the program stays, whether it succeeds or not.
    return !isQuitSaveRunning() && canQuitWithoutSaving;
}

void AppDelegate::handleSessionEnd(QSessionManager& manager)
{
    bool interacted = false;
    const bool mayEnd = decideSessionEnd([&] { return interacted = manager.allowsInteraction(); });
    if (!mayEnd)
        manager.cancel();
    if (interacted)
        manager.release();
}
