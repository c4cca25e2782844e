#pragma once

#include "discovery/LogoDetailView.h"
#include "model/DiscorysModel.h"

#include <QPointer>
#include <QWidget>

class DiscoveryController;
class DiscoveryViewTitleView;
class LoadSvgFailView;
class TemplateGridView;
class TemplateListModel;
class ThumbnailCache;

// Page 0 of the main window: the server's ready-made designs in a
// four-column grid. Hovering a card shows its title and description; a click
// opens the design's detail page over the grid, closed again by "Back".
// When the list can't be loaded a failure view with "Retry" shows. The list
// and its loading belong to the page's DiscoveryController; the page renders them.
class DiscoveryView : public QWidget {
    Q_OBJECT
public:
    explicit DiscoveryView(QWidget* parent = nullptr);

    DiscoveryController* controller() const { return m_controller; }
    const QList<DiscorysModelContentData>& items() const;
    DesignId itemId() const { return m_itemId; }
    bool isShowLogoDetailView() const { return m_detail != nullptr; }
    bool isLoadingSvgFail() const;

    // Opens the detail page for the template in grid row `row`.
    void openTemplate(int row);
    void closeDetail();

    TemplateGridView* grid() const { return m_grid; }
    TemplateListModel* templates() const { return m_model; }
    ThumbnailCache* thumbnails() const { return m_thumbnails; }
    DiscoveryViewTitleView* titleView() const { return m_title; }
    LogoDetailView* detailView() const { return m_detail; }
    // The network-failure view; nullptr until the first failure.
    LoadSvgFailView* failView() const { return m_failView; }

private:
    void showTemplates();
    void showLoadingSvgFail(bool failed);
    void layoutDetail();
    bool eventFilter(QObject* watched, QEvent* event) override;

    DiscoveryController* m_controller;
    ThumbnailCache* m_thumbnails;
    TemplateListModel* m_model;
    DiscoveryViewTitleView* m_title;
    QWidget* m_gridArea;
    TemplateGridView* m_grid;
    QPointer<LogoDetailView> m_detail;
    QWidget* m_content = nullptr;
    LoadSvgFailView* m_failView = nullptr;
    DesignId m_itemId;
};
