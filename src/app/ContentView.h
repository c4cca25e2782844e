#pragma once

#include <QWidget>

class LeftTab;
class PageSelection;
class RightTab;
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

    PageSelection* selection() const { return m_selection; }
    LeftTab* leftTab() const { return m_leftTab; }
    RightTab* rightTab() const { return m_rightTab; }
    ToastPresenter* toastPresenter() const { return m_toastPresenter; }
    StartupWork* startupWork() const { return m_startupWork; }
    // The update prompt, once one was presented.
    UpdateVersionView* updateVersionView() const { return m_updateVersionView; }

Q_SIGNALS:
    // The window has been painted for the first time.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void subscribeToasts();
    void presentUpdatePrompt(const UpdatePrompt& prompt);

    PageSelection* m_selection;
    LeftTab* m_leftTab;
    RightTab* m_rightTab;
    ToastView* m_toastView;
    ToastPresenter* m_toastPresenter;
    StartupWork* m_startupWork;
    UpdateVersionView* m_updateVersionView = nullptr;
    bool m_painted = false;
};
