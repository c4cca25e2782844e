#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Which part of a window the user sees: its page in front, while the window
// is shown (neither hidden to the tray nor minimised). The main window keeps
// one and tells it both; it announces every change, and the looping videos
// in the window follow it. Pages stay shown beneath the one in front, so
// their own show and hide events say nothing about this.
class SeenPage : public QObject {
    Q_OBJECT
public:
    // A child of `window`, where the widgets inside find it.
    explicit SeenPage(QWidget* window);

    void setPage(QWidget* page);
    void setWindowShown(bool shown);

    // Whether `widget` lies in the page in front of a shown window.
    bool shows(const QWidget* widget) const;

    // The one of the window `widget` is in; null outside such a window.
    static SeenPage* of(const QWidget* widget);

Q_SIGNALS:
    // The page in front changed, or the window was shown or hidden.
    void changed();

private:
    QPointer<QWidget> m_page;
    bool m_windowShown = false;
};
