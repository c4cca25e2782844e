#pragma once

#include <QListView>

class DiscoveryItemsDelegate;

// The Discovery page's four-column grid of cards. It lays out and draws only
// the cells near the viewport, so a list of tens of thousands of templates
// stays responsive; cards keep the look of the column grid (175-wide
// columns, rows 12 apart, 10 of padding all round, no scroll bars).
class TemplateGridView : public QListView {
    Q_OBJECT
public:
    static constexpr int padding = 10;

    explicit TemplateGridView(QWidget* parent = nullptr);

    int hoveredRow() const;
    // The card of `row` in viewport coordinates (empty when not laid out).
    QRect cardRect(int row) const;
    // The row whose card (not merely its cell) lies under `viewportPoint`, or -1.
    int cardRowAt(const QPoint& viewportPoint) const;

Q_SIGNALS:
    void cardClicked(int row);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void setHoveredRow(int row);
    void updateHoverFromCursor();

    DiscoveryItemsDelegate* m_delegate;
    int m_pressedRow = -1;
};
