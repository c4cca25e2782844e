#pragma once

#include <QSize>
#include <QWidget>

// Frames one page of the main window at the page size, centred on the page
// area's colour, so a page never shows the pages stacked behind it.
class PageFrame : public QWidget {
    Q_OBJECT
public:
    // 720 wide, the top bar (56) plus 560 high.
    static constexpr QSize pageSize { 720, 616 };

    explicit PageFrame(QWidget* page, QWidget* parent = nullptr);

    QWidget* page() const { return m_page; }

private:
    QWidget* m_page;
};
