#pragma once

#include <QWidget>

class QLabel;
class TapTarget;

// The 720 × 39 title bar of a page: the page's title centred, or, while a
// detail page is open, a "Back" control at the leading edge.
class PageTitleBar : public QWidget {
    Q_OBJECT
public:
    explicit PageTitleBar(const QString& titleKey, QWidget* parent = nullptr);

    bool isShowLogoDetailView() const { return m_showLogoDetailView; }
    void setShowLogoDetailView(bool show);

    QLabel* titleLabel() const { return m_title; }
    TapTarget* backControl() const { return m_back; }

Q_SIGNALS:
    // The user pressed "Back"; the owner closes the detail page.
    void backRequested();

private:
    bool m_showLogoDetailView = false;
    QLabel* m_title;
    TapTarget* m_back;
};
