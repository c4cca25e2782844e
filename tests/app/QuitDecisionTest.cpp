// The one quit decision, and the ways of quitting that reach it.

#include "app/QuitDecision.h"

#include "api/SaveAndUploadSVG.h"
#include "app/AppDelegate.h"
#include "app/ContentView.h"
#include "app/PageSelection.h"
#include "core/Localization.h"
#include "core/PersistenceController.h"
#include "core/RxBus.h"
#include "editor/EditorEvents.h"
#include "globals/AppGlobals.h"
#include "support/StandinHarness.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMainWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QTimer>
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

// "Save" has the editor save first; "Don't Save" quits now; "Cancel" stays.
// The decision itself posts nothing: the delegate starts the save.
TEST_F(QuitDecisionTest, EachAnswerGivesItsReply)
{
    const struct {
        QuitDecision::Answer answer;
        QuitDecision::Reply reply;
    } rows[] = {
        { QuitDecision::Answer::Save, QuitDecision::Reply::SaveFirst },
        { QuitDecision::Answer::DontSave, QuitDecision::Reply::Now },
        { QuitDecision::Answer::Cancel, QuitDecision::Reply::Stay },
    };
    canQuitWithoutSaving = false;
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.answer));
        asked = 0;
        QuitDecision decision = decisionAnswering(row.answer);
        EXPECT_EQ(decision.decide(), row.reply);
        EXPECT_EQ(asked, 1);
    }
    EXPECT_EQ(quitSaves.count(), 0);
}

// Once a modal message box is open, hands it to `answer`.
void answerModalBox(std::function<void(QMessageBox&)> answer)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        answer(*box);
    });
    poll->start(10);
}

// Return chooses "Save"; Escape and closing the alert choose "Cancel"; "Don't
// Save" is chosen by a click, wherever the platform's layout puts it.
TEST_F(QuitDecisionTest, TheAlertOffersSaveDontSaveAndCancel)
{
    const QString save = localized(QStringLiteral("Save"));
    const QString dontSave = localized(QStringLiteral("Don't Save"));
    const QString cancel = localized(QStringLiteral("Cancel"));
    const auto press = [](Qt::Key key) { return [key](QMessageBox& box) { QTest::keyClick(&box, key); }; };
    const struct {
        const char* name;
        std::function<void(QMessageBox&)> act;
        QuitDecision::Answer answer;
    } rows[] = {
        { "Return", press(Qt::Key_Return), QuitDecision::Answer::Save },
        { "Escape", press(Qt::Key_Escape), QuitDecision::Answer::Cancel },
        { "close()", [](QMessageBox& box) { box.close(); }, QuitDecision::Answer::Cancel },
        { "click on Don't Save",
            [dontSave](QMessageBox& box) {
                // Clicked where the box shows it, so that anything over it takes the click.
                for (QAbstractButton* button : box.buttons()) {
                    if (button->text() != dontSave)
                        continue;
                    const QPoint at = button->mapTo(&box, button->rect().center());
                    QWidget* hit = box.childAt(at);
                    return QTest::mouseClick(
                        hit ? hit : &box, Qt::LeftButton, {}, (hit ? hit : &box)->mapFrom(&box, at));
                }
                box.close(); // no such button: the box must still end
            },
            QuitDecision::Answer::DontSave },
    };
    // What the user sees; the buttons sorted, as the platform's layout orders them.
    const auto describe = [](const QString& text, const QString& info, QStringList buttons, const QString& byDefault,
                              QMessageBox::Icon icon) {
        buttons.sort();
        return QStringList { text, info, buttons.join(u'|'), byDefault, QString::number(icon) }
            .join(u'\n')
            .toStdString();
    };
    const std::string expected = describe(localized(QStringLiteral("Confirm exit")),
        localized(QStringLiteral("Do you want to save when exiting the program?")), { save, dontSave, cancel }, save,
        QMessageBox::Warning);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::string seen;
        answerModalBox([&](QMessageBox& box) {
            QStringList buttons;
            for (QAbstractButton* button : box.buttons())
                buttons << button->text();
            seen = describe(box.text(), box.informativeText(), buttons,
                box.defaultButton() ? box.defaultButton()->text() : QString(), box.icon());
            row.act(box);
        });
        EXPECT_EQ(QuitDecision::askWithAlert(), row.answer);
        EXPECT_EQ(seen, expected);
    }
}

// The session manager's end, as Qt 6.4 delivers it: a spontaneous Quit to
// the application. The program's filters see it; then this filter, installed
// before the program's, stops it, as Qt's own handling of it (every window
// closed, then aboutToQuit and the event loop left) would end the test
// program's run. A row closes the windows as Qt's handling would.
class SessionManagerQuit : public QObject {
public:
    SessionManagerQuit() { qApp->installEventFilter(this); }
    void deliver()
    {
        QEvent quit(QEvent::Quit);
        // QTest's own way to mark an event as the window system's; sendEvent
        // would clear the mark, notify() keeps it.
        QSpontaneKeyEvent::setSpontaneous(&quit);
        qApp->notify(qApp, &quit);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return watched == qApp && event->type() == QEvent::Quit;
    }
};

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
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(quitSaves.count(), 1);
    EXPECT_EQ(terminated, 0);
    EXPECT_FALSE(delegate->isQuitting());

    // The editor's save succeeded: the program ends without asking again.
    canQuitWithoutSaving = true;
    RxBus::shared().post(EditLogoViewEvent::QuitSaveSucceededEvent {});
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(terminated, 1);
    EXPECT_TRUE(delegate->isQuitting());

    // Once quitting, further requests change nothing.
    delegate->quitAction()->trigger();
    EXPECT_EQ(terminated, 1);
}

// While the save that "Save" started runs, further quit requests and a session
// end ask nothing and change nothing, and should the session manager quit all
// the same, the windows still ask before they close. Its success ends the
// program; any other end (the editor's save flow posts it on each) leaves it
// running, and a later quit asks again.
TEST_F(AppDelegateQuitTest, TheQuitSaveHoldsFurtherQuitsUntilItEnds)
{
    SessionManagerQuit sessionManagerQuit; // before the rows' delegates: their filters see the quit first
    for (const bool saved : { true, false }) {
        SCOPED_TRACE(saved ? "saved" : "ended unsaved");
        SetUp();
        asked = 0;
        canQuitWithoutSaving = false;
        delegate->setQuitDecision(decisionAnswering(QuitDecision::Answer::Save));
        const int savesBefore = quitSaves.count();

        delegate->quitAction()->trigger();
        ASSERT_TRUE(delegate->isQuitSaveRunning());
        delegate->quitAction()->trigger();
        EXPECT_FALSE(delegate->decideSessionEnd([] {
            ADD_FAILURE() << "the session end asked to interact";
            return true;
        }));
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(quitSaves.count(), savesBefore + 1);
        sessionManagerQuit.deliver();
        EXPECT_FALSE(closesWithoutAsking(QCloseEvent()));

        if (saved) {
            // The editor's success: nothing left unsaved.
            canQuitWithoutSaving = true;
            RxBus::shared().post(EditLogoViewEvent::QuitSaveSucceededEvent {});
            EXPECT_EQ(terminated, 1);
        } else {
            RxBus::shared().post(EditLogoViewEvent::QuitSaveEndedEvent {});
            EXPECT_FALSE(delegate->isQuitSaveRunning());
            EXPECT_EQ(terminated, 0);
            delegate->quitAction()->trigger();
            EXPECT_EQ(asked, 2) << "a later quit asks again";
        }
        TearDown();
        terminated = 0;
    }
}

// So is the session manager's quit's leave to close the windows without asking.
TEST_F(AppDelegateQuitTest, RequestWhileTheAlertIsOpenIsDropped)
{
    SessionManagerQuit sessionManagerQuit;
    SetUp(); // a delegate whose filter sees the quit first
    canQuitWithoutSaving = false;
    delegate->setQuitDecision(QuitDecision([&] {
        ++asked;
        delegate->requestQuit(); // e.g. the tray's "Quit" chosen again
        sessionManagerQuit.deliver();
        EXPECT_FALSE(closesWithoutAsking(QCloseEvent()));
        return QuitDecision::Answer::DontSave;
    }));
    delegate->requestQuit();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(terminated, 1);
}

TEST_F(AppDelegateQuitTest, SaveQuitsWhenTheSaveBehindTheAlertHasFinished)
{
    // A save is running when the user asks to quit; it ends, as the editor's
    // does, while "Confirm exit" is still open, and then the user picks "Save".
    StandinHarness standin;
    standin.server().setFault("/index.php/logo2/Save_logo_file", standin::Fault::Delay, 300);
    canQuitWithoutSaving = false;
    bool saved = false;
    saveAndUploadSVG(QStringLiteral("1"), QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"/>").toBase64(),
        QStringLiteral("template"), [&saved](bool ok) {
            saved = ok;
            canQuitWithoutSaving = canQuitWithoutSaving || ok;
        });
    delegate->setQuitDecision(QuitDecision([&] {
        ++asked;
        waitUntil([&] { return saved; });
        return QuitDecision::Answer::Save;
    }));
    delegate->requestQuit();
    EXPECT_TRUE(saved);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(quitSaves.count(), 0) << "no editor is left to ask";
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

    // That save fails; "Cancel" keeps the program and its window, and a
    // later close asks again.
    RxBus::shared().post(EditLogoViewEvent::QuitSaveEndedEvent {});
    delegate->setQuitDecision(decisionAnswering(QuitDecision::Answer::Cancel));
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(terminated, 0);
    EXPECT_FALSE(delegate->isQuitting());

    // "Don't Save" quits without saving, and the window may close.
    delegate->setQuitDecision(decisionAnswering(QuitDecision::Answer::DontSave));
    window->close();
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(terminated, 1);
    EXPECT_EQ(quitSaves.count(), 1);
    EXPECT_TRUE(window->close());
}

// Counts the modal boxes that show while it lives, closing each ("Cancel").
class ModalBoxCounter {
public:
    ModalBoxCounter()
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            ++m_count;
            box->close();
        });
        m_poll.start(10);
    }
    int count() const { return m_count; }

private:
    QTimer m_poll;
    int m_count = 0;
};

// The windows that would keep Qt's quit from ending the program.
QStringList visibleWindows()
{
    QStringList open;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowType() != Qt::Popup && top->windowType() != Qt::Desktop)
            open << QString::fromUtf8(top->metaObject()->className());
    return open;
}

TEST_F(AppDelegateQuitTest, TheSessionEndAsksWhileTheModulesEditorHoldsAChange)
{
    // The editor comes from the module, loaded as the program loads it, and
    // a change is made through its window; the program's session-end
    // handler must see what the module's editor recorded. "Cancel" cancels
    // the session end, and so does a "Save" that fails. Once it may end, the
    // session manager's quit ends the program without a further question; a
    // session end with no quit after it (a checkpoint) leaves the program
    // running, and a later quit or close of the user's asking again.
    StandinHarness standin;
    SessionManagerQuit sessionManagerQuit; // before the rows' delegates: their filters see the quit first
    const QPoint firstBackground(112, 83);
    const QPoint secondBackground(158, 83); // the next tile, 40 wide and 6 apart
    const auto openEditorWithAChange = [&]() -> QMainWindow* {
        canQuitWithoutSaving = true;
        openEditLogoWindow(1,
            QStringLiteral(R"(<svg xmlns="http://www.w3.org/2000/svg" width="400" height="300">)"
                           R"(<circle cx="200" cy="150" r="80" fill="#1c7ed6"/></svg>)"),
            false);
        QMainWindow* editor = nullptr;
        waitUntil(
            [&] {
                for (QWidget* top : QApplication::topLevelWidgets())
                    if (top != delegate->window() && top->isVisible() && qobject_cast<QMainWindow*>(top))
                        editor = qobject_cast<QMainWindow*>(top);
                return editor != nullptr;
            },
            10000);
        const bool changed = editor
            && waitUntil(
                [&] {
                    QTest::mouseClick(editor->windowHandle(), Qt::LeftButton, {}, firstBackground);
                    return waitUntil([] { return !canQuitWithoutSaving; }, 1000);
                },
                30000);
        EXPECT_TRUE(changed) << "the program never saw the editor's change";
        return changed ? editor : nullptr;
    };
    // Each row starts afresh with a change in the editor, and ends with the editor gone.
    const auto startRow = [&] {
        SetUp();
        asked = 0;
        terminated = 0;
        return openEditorWithAChange();
    };
    const auto endRow = [&](QMainWindow* editor) {
        delete editor->takeCentralWidget();
        editor->hide();
        TearDown();
    };
    const auto saves = [&] { return static_cast<int>(standin.server().requestsTo("Save_logo_file").size()); };
    // Shift+Ctrl+Q while the session manager waits for the session end's save.
    const auto quitDuringTheSave = [&] {
        QTimer::singleShot(0, delegate.get(), [&] {
            EXPECT_TRUE(delegate->isQuitSaveRunning()) << "the quit came after the save";
            delegate->quitAction()->trigger();
        });
    };

    const struct {
        const char* name;
        QuitDecision::Answer answer;
        bool fails; // the save's upload
        bool quitDuringSave = false;
    } kept[] = {
        { "Cancel", QuitDecision::Answer::Cancel, false },
        { "a Save that fails", QuitDecision::Answer::Save, true },
        { "a Save that fails, with Shift+Ctrl+Q during it", QuitDecision::Answer::Save, true, true },
    };
    for (const auto& row : kept) {
        SCOPED_TRACE(row.name);
        QMainWindow* editor = startRow();
        ASSERT_NE(editor, nullptr);
        if (row.fails)
            standin.server().setFault("/index.php/logo2/Save_logo_file", standin::Fault::Http500);
        const int savesBefore = saves();
        delegate->setQuitDecision(decisionAnswering(row.answer));
        if (row.quitDuringSave)
            quitDuringTheSave();
        EXPECT_FALSE(delegate->decideSessionEnd([] { return true; }));
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(saves(), savesBefore + (row.fails ? 1 : 0));
        EXPECT_FALSE(canQuitWithoutSaving) << "the change was lost";
        EXPECT_EQ(terminated, 0);
        // The program runs on, and a later quit asks as usual.
        delegate->setQuitDecision(decisionAnswering(QuitDecision::Answer::Cancel));
        delegate->quitAction()->trigger();
        EXPECT_EQ(asked, 2);
        EXPECT_EQ(terminated, 0);
        standin.server().clearFaults();
        endRow(editor);
    }

    enum class Then {
        SessionManagerQuit, // the session ends: Qt closes every window
        QuitThatKeepsTheProgram, // the quit ends nothing; later the program closes the editor itself
        ShiftCtrlQ,
        WindowManagerClose, // the user closes the editor
        MainWindowClose, // the program closes the main window, which without a tray asks to quit
        // Another change while Undo is still lit, after something counted the
        // design saved (as a Save that left the editor open once did), then
        // Shift+Ctrl+Q.
        ChangeThenShiftCtrlQ,
    };
    const struct {
        const char* name;
        QuitDecision::Answer answer;
        bool interaction;
        Then then;
        int asked; // "Confirm exit" in all, a later Shift+Ctrl+Q's included
        int windowAsked; // "Save changes?" from the editor
        bool quits = false; // what follows ends the program
        bool quitDuringSave = false; // Shift+Ctrl+Q while the save runs, which quits once it succeeds
    } rows[] = {
        { "Don't Save, then the quit", QuitDecision::Answer::DontSave, true, Then::SessionManagerQuit, 1, 0 },
        { "no interaction, then the quit", QuitDecision::Answer::DontSave, false, Then::SessionManagerQuit, 0, 0 },
        { "Save, then the quit", QuitDecision::Answer::Save, true, Then::SessionManagerQuit, 1, 0 },
        { "Don't Save, then a quit that keeps the program, then the program's own close",
            QuitDecision::Answer::DontSave, true, Then::QuitThatKeepsTheProgram, 1, 1 },
        { "Don't Save at a checkpoint, then Shift+Ctrl+Q", QuitDecision::Answer::DontSave, true, Then::ShiftCtrlQ, 2,
            0 },
        { "Don't Save at a checkpoint, then the window manager's close", QuitDecision::Answer::DontSave, true,
            Then::WindowManagerClose, 1, 1 },
        // Nothing of a checkpoint's answer is left to let a close of the program's go without asking.
        { "Don't Save at a checkpoint, then the main window's close", QuitDecision::Answer::DontSave, true,
            Then::MainWindowClose, 2, 0 },
        { "Save at a checkpoint, then the main window's close", QuitDecision::Answer::Save, true, Then::MainWindowClose,
            1, 0, true },
        // Saved as the editor's own Save saves: the editor closed, nothing unsaved.
        { "Save at a checkpoint, then Shift+Ctrl+Q", QuitDecision::Answer::Save, true, Then::ShiftCtrlQ, 1, 0, true },
        { "Save at a checkpoint with Shift+Ctrl+Q during it, then Shift+Ctrl+Q again", QuitDecision::Answer::Save, true,
            Then::ShiftCtrlQ, 1, 0, true, true },
        { "a change while Undo is lit, after something counted the design saved", QuitDecision::Answer::DontSave, true,
            Then::ChangeThenShiftCtrlQ, 2, 0 },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QMainWindow* editor = startRow();
        ASSERT_NE(editor, nullptr);
        const int savesBefore = saves();
        const int quitSavesBefore = quitSaves.count();
        delegate->setQuitDecision(decisionAnswering(row.answer));
        if (row.quitDuringSave)
            quitDuringTheSave();
        EXPECT_TRUE(delegate->decideSessionEnd([&] { return row.interaction; }));
        // "Save" has stored the design by now, and leaves the ending to the session manager.
        const bool save = row.answer == QuitDecision::Answer::Save;
        EXPECT_EQ(saves(), savesBefore + (save ? 1 : 0));
        EXPECT_EQ(quitSaves.count(), quitSavesBefore + (save ? 1 : 0));
        QCoreApplication::processEvents();
        EXPECT_EQ(terminated, row.quitDuringSave ? 1 : 0) << "the program ended by itself, or not when asked";
        EXPECT_EQ(delegate->isQuitting(), row.quitDuringSave);
        EXPECT_EQ(editor->isVisible(), !save) << "after a Save the editor is where its own Save leaves it";
        ModalBoxCounter boxes;
        switch (row.then) {
        case Then::SessionManagerQuit:
            sessionManagerQuit.deliver();
            QApplication::closeAllWindows();
            EXPECT_EQ(visibleWindows().join(u' ').toStdString(), "") << "these windows keep the program running";
            break;
        case Then::QuitThatKeepsTheProgram:
            sessionManagerQuit.deliver();
            QCoreApplication::sendPostedEvents(delegate.get(), QEvent::MetaCall);
            editor->close();
            break;
        case Then::ShiftCtrlQ:
            delegate->setQuitDecision(decisionAnswering(QuitDecision::Answer::Cancel));
            delegate->quitAction()->trigger();
            break;
        case Then::ChangeThenShiftCtrlQ:
            canQuitWithoutSaving = true;
            QTest::mouseClick(editor->windowHandle(), Qt::LeftButton, {}, secondBackground);
            EXPECT_TRUE(waitUntil([] { return !canQuitWithoutSaving; }, 10000)) << "the change counts as saved";
            delegate->setQuitDecision(decisionAnswering(QuitDecision::Answer::Cancel));
            delegate->quitAction()->trigger();
            break;
        case Then::MainWindowClose:
            delegate->setQuitDecision(decisionAnswering(QuitDecision::Answer::Cancel));
            delegate->window()->close();
            EXPECT_TRUE(delegate->window()->isVisible()) << "the main window closed without asking to quit";
            break;
        case Then::WindowManagerClose: {
            // What the window manager's close button sends the editor's window.
            QCloseEvent close;
            QCoreApplication::sendEvent(editor->windowHandle(), &close);
            break;
        }
        }
        EXPECT_EQ(boxes.count(), row.windowAsked);
        EXPECT_EQ(asked, row.asked);
        EXPECT_EQ(terminated, row.quits ? 1 : 0);
        endRow(editor);
    }
}

TEST_F(AppDelegateQuitTest, TheStoreOpensOnceTheMainWindowIsPainted)
{
    EXPECT_EQ(delegate->persistence(), nullptr) << "nothing painted yet";
    ASSERT_TRUE(waitUntil([&] { return delegate->persistence() != nullptr; }));
    EXPECT_EQ(delegate->persistence(), &PersistenceController::shared());
}

TEST(TrayIcon, StandsOutOnLightAndDarkTrays)
{
    for (const QColor tray : { QColor(Qt::white), QColor(0xF0F0F0), QColor(Qt::black), QColor(0x2D2D2D) }) {
        SCOPED_TRACE(tray.name().toStdString());
        QImage image(22, 22, QImage::Format_ARGB32);
        image.fill(tray);
        QPainter painter(&image);
        AppDelegate::trayIcon().paint(&painter, image.rect());
        painter.end();
        // Pixels whose lightness differs from the tray's by at least a third of the scale.
        int contrasting = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                contrasting += std::abs(QColor(image.pixel(x, y)).lightness() - tray.lightness()) > 85;
        }
        EXPECT_GT(contrasting, image.width() * image.height() / 4);
    }
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

TEST_F(AppDelegateQuitTest, EveryWindowCarriesTheApplicationIcon)
{
    QWidget editorLikeWindow;
    EXPECT_FALSE(delegate->window()->windowIcon().isNull());
    EXPECT_FALSE(editorLikeWindow.windowIcon().isNull()) << "a second top-level window has no icon";
}

} // namespace
