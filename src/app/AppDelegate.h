#pragma once

#include "app/QuitDecision.h"
#include "core/Reactive.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class ContentView;
class PersistenceController;
class QAction;
class QEventLoop;
class QIcon;
class QMenu;
class QSessionManager;
class QSystemTrayIcon;

// What belongs to the application as a whole: the dark appearance, the tray
// item and its menu, the main window's set-up and return, and the one quit
// decision that every way to quit goes through (tray "Quit", the shortcut,
// the editor's quit after a save, the end of the desktop session, and
// closing the main window where the desktop has no tray).
class AppDelegate : public QObject {
    Q_OBJECT
public:
    using Terminator = std::function<void()>;

    explicit AppDelegate(QObject* parent = nullptr);
    ~AppDelegate() override;

    void applicationDidFinishLaunching();

    // Brings the main window back to the front without taking the focus.
    void openMainWindow();
    // Shows the main window and gives it the focus (a click on the tray item).
    void reopenMainWindow();

    // Asks to quit; quits when the decision allows it. While the save that
    // the alert's "Save" started runs, a request asks nothing: the answer was
    // given, and the save's success ends the program, also when the save was
    // started for a session end.
    void requestQuit();
    bool isQuitting() const { return m_quitting; }
    bool isQuitSaveRunning() const { return m_quitSave != QuitSave::None; }
    // Whether the desktop session may end now. With a change unsaved in the
    // editor it asks through the quit decision, once `allowsInteraction`
    // grants it: "Don't Save" lets it end, "Cancel" keeps it, and "Save"
    // saves while the session manager waits (the interaction still held),
    // letting it end once saved (the editor closed, as after any Save) and
    // keeping it if the save fails. A session
    // end while a quit's save runs or while "Confirm exit" is open is kept.
    // Without interaction it may end. The answer is kept nowhere: the
    // session manager quits the program only once every program let the
    // session end, and its quit closes every window without asking, unless a
    // quit-save runs or "Confirm exit" is open then. The program never quits
    // by itself here, so after a checkpoint it runs on as before it, and a
    // later quit or close of the user's asks again.
    bool decideSessionEnd(const std::function<bool()>& allowsInteraction);

    // Seams for tests: who answers the alert, and what quitting does.
    void setQuitDecision(QuitDecision decision) { m_quitDecision = std::move(decision); }
    void setTerminator(Terminator terminator) { m_terminate = std::move(terminator); }

    ContentView* window() const { return m_window.get(); }
    QSystemTrayIcon* statusBarItem() const { return m_statusBarItem; }
    QMenu* statusMenu() const { return m_statusMenu.get(); }
    QAction* quitAction() const { return m_quitAction; }
    bool hasTray() const { return m_statusBarItem != nullptr; }
    static QIcon trayIcon();
    // The application's store, opened after the main window's first paint.
    PersistenceController* persistence() const { return m_persistence; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createStatusMenu();
    void createStatusBarItem();
    void setUpMainWindow();
    void handleSessionEnd(QSessionManager& manager);
    // What the editor's quit-save is for: its success quits, or leaves the
    // ending to the session manager that waits for it.
    enum class QuitSave { None, ForQuit, ForSession };
    // Asks the decision; "Save" starts the editor's quit-save for `purpose`.
    // Whether the program may end now ("Cancel" keeps it running, nothing
    // started).
    bool decide(QuitSave purpose);
    // Waits for the quit-save, no longer than a save may take. Whether it
    // stored the design.
    bool waitForSessionSave();
    void quitSaveSucceeded();
    void endQuitSave();
    void quit();

    std::unique_ptr<QMenu> m_statusMenu;
    QAction* m_openAction = nullptr;
    QAction* m_quitAction = nullptr;
    QSystemTrayIcon* m_statusBarItem = nullptr;
    std::unique_ptr<ContentView> m_window;
    PersistenceController* m_persistence = nullptr;
    QuitDecision m_quitDecision;
    Terminator m_terminate;
    bool m_deciding = false;
    bool m_quitting = false;
    // While the session manager's quit is handled.
    bool m_sessionQuitting = false;
    QuitSave m_quitSave = QuitSave::None;
    QEventLoop* m_sessionSaveWait = nullptr;
    rx::DisposeBag m_subscriptions;
};
