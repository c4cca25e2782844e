#pragma once

#include <QMap>
#include <QWidget>

class PageFrame;
class PageSelection;
class QStackedLayout;

// The page area of the main window. All five pages are built once and kept
// alive; selecting a page only brings it to the front, so every page keeps
// its state across switches. Two bus events switch pages from elsewhere:
// "add a design" selects the AI logo page, a newly saved design My Design.
class RightTab : public QWidget {
    Q_OBJECT
public:
    explicit RightTab(PageSelection* selectIndex, QWidget* parent = nullptr);

    // The page built for a page index (its content, without the frame).
    QWidget* page(int index) const;
    // The index of the page in front.
    int visiblePageIndex() const;

private:
    void showPage(int index);

    PageSelection* m_selection;
    QStackedLayout* m_stack;
    QMap<int, PageFrame*> m_frames;
};
