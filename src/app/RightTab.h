#pragma once

#include <QMap>
#include <QWidget>

class PageFrame;
class PageSelection;
class QStackedLayout;
class SeenPage;

// The page area of the main window. The selected page is built with the
// window and the others once it has painted (or when first asked for); each
// is built once and kept alive; selecting a page only brings it to the front, so every page keeps
// its state across switches. Two bus events switch pages from elsewhere:
// "add a design" selects the AI logo page, a newly saved design My Design.
// It tells the window's seen page which page is in front.
class RightTab : public QWidget {
    Q_OBJECT
public:
    RightTab(PageSelection* selectIndex, SeenPage* seenPage, QWidget* parent = nullptr);

    // The page for a page index (its content, without the frame), built if
    // it is not yet.
    QWidget* page(int index);
    // Builds the pages not built yet; the window calls it after its first paint.
    void buildRemainingPages();
    // The index of the page in front.
    int visiblePageIndex() const;

private:
    void showPage(int index);
    PageFrame* frame(int index);

    PageSelection* m_selection;
    SeenPage* m_seenPage;
    QStackedLayout* m_stack;
    QMap<int, PageFrame*> m_frames;
};
