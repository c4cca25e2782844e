#pragma once

#include <QObject>

class QWidget;

// Tells a page when it enters its window's content: on its first show and on
// the first show after its window was hidden. Switching between the pages of
// a stack, or minimising the window, is not an appearance.
class AppearanceWatcher : public QObject {
    Q_OBJECT
public:
    explicit AppearanceWatcher(QWidget* page);

Q_SIGNALS:
    void appeared();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_page;
    bool m_inWindow = false;
};
