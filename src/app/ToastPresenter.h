#pragma once

#include <QObject>
#include <QTimer>

class ToastView;

// Shows toast texts in one toast view and hides it when the toast duration
// has passed since the latest text. One timer serves every toast, so a new
// text restarts the countdown and is never cut short by an earlier one.
class ToastPresenter : public QObject {
    Q_OBJECT
public:
    ToastPresenter(ToastView* view, QObject* parent = nullptr);

    void show(const QString& text);

    bool isShowing() const { return m_showing; }
    QString text() const;

    // The time a toast stays visible; tests shorten it.
    void setDuration(std::chrono::milliseconds duration) { m_hideTimer.setInterval(duration); }
    std::chrono::milliseconds duration() const { return m_hideTimer.intervalAsDuration(); }

private:
    void hide();

    ToastView* m_view;
    QTimer m_hideTimer;
    bool m_showing = false;
};
