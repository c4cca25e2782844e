#pragma once

// The side panel that adds a graphic of the server's library: it shows the
// thumbnails of the first category's graphics in a four-column grid, or the
// load-failure view with Retry when they could not be fetched. A tap hands
// the graphic to the editor.

#include "editor/sheets/SidePanelFrame.h"
#include "fonts/GraphicsAddController.h"

#include <QList>

class ImageButtonForGraphicsAdd;
class LoadSvgFailView;
class QGridLayout;
class QScrollArea;

class GraphicsAddSheet : public SidePanelFrame {
    Q_OBJECT
public:
    static constexpr int columns = 4;

    explicit GraphicsAddSheet(QWidget* parent);

    const QString& selectedTab() const { return m_controller->selectedTab(); }
    const QList<ImageButtonForGraphicsAdd*>& cells() const { return m_cells; }
    QScrollArea* scrollArea() const { return m_scroll; }
    LoadSvgFailView* failView() const { return m_failView; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPage();
    void showLoadFailed(bool failed);
    void loadCellsInView();
    void tap(const QString& svgUrl);

    QWidget* m_grid;
    QGridLayout* m_gridLayout;
    QScrollArea* m_scroll;
    LoadSvgFailView* m_failView;
    QList<ImageButtonForGraphicsAdd*> m_cells;
    GraphicsAddController* m_controller;
};
