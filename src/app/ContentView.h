#pragma once

#include <QWidget>

class LeftTab;
class PageSelection;
class QScrollArea;
class RightTab;
class SeenPage;
class StartupWork;
class ToastPresenter;
class ToastView;
class UpdateVersionView;
struct UpdatePrompt;

// The main window: the sidebar on the left, the page area on the right, the
// toast over both and the update prompt. Its start-up work runs once, after
// its first paint, so nothing slow comes before the window appears.
class ContentView : public QWidget {
    Q_OBJECT
public:
    // The sidebar (180) beside the page area (720), both 56 + 560 high. They
    // overflow the 532-high root frame by 42 above and below; the band above
    // lies behind the title bar and holds nothing, so the window leaves it
    // out, while the pages' lower edge (the wizard's Create button, the
    // picture page's text) stays in view.
    static constexpr int hiddenTopBand = 42;
    static constexpr QSize windowSize { 900, 532 + hiddenTopBand };

    explicit ContentView(QWidget* parent = nullptr);

    // Sizes and places the window on its screen, its title bar counted: its
    // own size, centred, where it fits; else the screen's free area, and its
    // content scrolls. Once shown, it does so again for the window manager's
    // real frame.
    void placeOnScreen();
    // Until the window manager has framed the window, a title bar this high
    // stands in.
    static constexpr int titleBarUntilFramed = 28;

    PageSelection* selection() const { return m_selection; }
    // The page in front while the window is shown; looping videos play there only.
    SeenPage* seenPage() const { return m_seenPage; }
    LeftTab* leftTab() const { return m_leftTab; }
    RightTab* rightTab() const { return m_rightTab; }
    ToastPresenter* toastPresenter() const { return m_toastPresenter; }
    StartupWork* startupWork() const { return m_startupWork; }
    // Holds everything but the toast and the update prompt.
    QScrollArea* scrollArea() const { return m_scrollArea; }
    // The update prompt, once one was presented.
    UpdateVersionView* updateVersionView() const { return m_updateVersionView; }

Q_SIGNALS:
    // The window has been painted for the first time.
    void firstPainted();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void subscribeToasts();
    void presentUpdatePrompt(const UpdatePrompt& prompt);

    QScrollArea* m_scrollArea;
    PageSelection* m_selection;
    SeenPage* m_seenPage;
    LeftTab* m_leftTab;
    RightTab* m_rightTab;
    ToastView* m_toastView;
    ToastPresenter* m_toastPresenter;
    StartupWork* m_startupWork;
    UpdateVersionView* m_updateVersionView = nullptr;
    bool m_painted = false;
};
