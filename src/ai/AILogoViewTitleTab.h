#pragma once

#include <QWidget>

class QPushButton;

// The AI page's two tabs, "Al Logo" (0, the wizard) and "Free" (1, the free
// creator). A click selects its tab and does nothing else.
class AILogoViewTitleTab : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize tabSize { 120, 24 };

    explicit AILogoViewTitleTab(QWidget* parent = nullptr);

    int selectIndex() const { return m_selectIndex; }
    void setSelectIndex(int index);
    QWidget* tab(int index) const;

Q_SIGNALS:
    void selectIndexChanged(int index);

private:
    class Tab;

    int m_selectIndex = 0;
    Tab* m_tabs[2];
};
