#pragma once

#include <QString>
#include <QWidget>

class PageSelection;

// One sidebar entry: an icon and a label, with the selection mark while its
// page is selected and the hover mark while the pointer is over it. A click
// selects its page.
class LeftTabItem : public QWidget {
    Q_OBJECT
public:
    static constexpr int itemWidth = 180;
    static constexpr int itemHeight = 28;

    LeftTabItem(const QString& text, const QString& imageSelect, const QString& imageUnSelect, int index,
        PageSelection* isSelectLeftTabIndex, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    int index() const { return m_index; }
    bool isSelected() const;
    bool hoverEnter() const { return m_hoverEnter; }
    // The image asset shown now: the selected one while the entry's page is selected.
    QString currentImageName() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setHoverEnter(bool hover);

    QString m_text;
    QString m_imageSelect;
    QString m_imageUnSelect;
    int m_index;
    PageSelection* m_selection;
    bool m_hoverEnter = false;
};
