#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// Shows `window` in front of the application's others, restored if it was
// minimised; with `takeFocus` it also gets the focus.
void showInFront(QWidget* window, bool takeFocus);

// Holds the editor window so the editor can close it when it is done.
class WindowController : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    QWidget* window() const { return m_window; }
    void setWindow(QWidget* window) { m_window = window; }

    // Closes (hides) the held window; nothing happens when there is none.
    void closeWindow();
    // Shows the held window in front of the application's others, with the focus.
    void bringToFront();
    void windowWillClose();

private:
    QPointer<QWidget> m_window;
};
