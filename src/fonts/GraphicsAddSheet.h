#pragma once

// The side panel that adds a graphic of the server's library: it asks for the
// categories, then for one page of the first category's graphics, and shows
// their thumbnails in a four-column grid. A tap hands the graphic to the
// editor.

#include "editor/sheets/SidePanelFrame.h"
#include "model/ResourceImagesModel.h"
#include "model/ResourceShapeModel.h"

#include <QList>

class ImageButtonForGraphicsAdd;
class QGridLayout;
class QScrollArea;

class GraphicsAddSheet : public SidePanelFrame {
    Q_OBJECT
public:
    static constexpr int columns = 4;
    static constexpr int pageCount = 1000;

    explicit GraphicsAddSheet(QWidget* parent);

    const QString& selectedTab() const { return m_selectedTab; }
    const ResourceShapeModel& resourceShapeModel() const { return m_resourceShapeModel; }
    const ResourceImagesModel& resourceImagesModel() const { return m_resourceImagesModel; }
    const QList<ImageButtonForGraphicsAdd*>& cells() const { return m_cells; }
    QScrollArea* scrollArea() const { return m_scroll; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCatalogue(const ResourceShapeModel& catalogue);
    void showPage(const ResourceImagesModel& page);
    void loadCellsInView();
    void tap(const QString& svgUrl);

    QWidget* m_grid;
    QGridLayout* m_gridLayout;
    QScrollArea* m_scroll;
    QList<ImageButtonForGraphicsAdd*> m_cells;
    QString m_selectedTab;
    ResourceShapeModel m_resourceShapeModel;
    ResourceImagesModel m_resourceImagesModel;
};
