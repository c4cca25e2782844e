#pragma once

#include <QObject>

// The index of the selected page of the main window, shared by the sidebar
// (which writes it on a click) and the page stack (which shows that page).
class PageSelection : public QObject {
    Q_OBJECT
public:
    // Page indices; the sidebar lists them in the order 0, 1, 4, 2, 3.
    enum Page { Discovery = 0, AILogo = 1, MyDesign = 2, Settings = 3, AIPics = 4 };

    using QObject::QObject;

    int index() const { return m_index; }
    void setIndex(int index);

Q_SIGNALS:
    void indexChanged(int index);

private:
    int m_index = Discovery;
};
