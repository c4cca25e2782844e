#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Which part of a window the user sees: its page in front, while the window
// is shown (neither hidden to the tray nor minimised). The main window keeps
// one, tells it both, and it asks every looping video in the window to
// follow it whenever either changes. Pages stay shown beneath the one in
// front, so their own show and hide events say nothing about this.
class SeenPage : public QObject {
    Q_OBJECT
public:
    // A child of `window`, where the videos inside find it.
    explicit SeenPage(QWidget* window);

    void setPage(QWidget* page);
    void setWindowShown(bool shown);
    // Asks the window's videos to follow again (a page was added to it).
    void update();

    // Whether `widget` lies in the page in front of a shown window.
    bool shows(const QWidget* widget) const;

    // The one of the window `widget` is in; null outside such a window.
    static SeenPage* of(const QWidget* widget);

private:
    QWidget* m_window;
    QPointer<QWidget> m_page;
    bool m_windowShown = false;
};
