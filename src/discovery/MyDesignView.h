#pragma once

#include "discovery/LogoDetailView.h"
#include "model/DesignListModel.h"

#include <QPointer>
#include <QSet>
#include <QWidget>
#include <functional>
#include <vector>

class DeleteView;
class LoadSvgFailView;
class MyDesignController;
class MyDesignItems;
class MyDesignViewTitleView;
class NotDesignItems;
class QGrid;

// Page 2 of the main window: the designs the user saved on the server, as a
// grid of tiles (or the add tile when there are none). A tap on a tile opens
// its detail page; ticked designs are deleted after a confirmation; after
// picture-to-logo the first design opens in the editor. The list and its
// requests belong to the page's MyDesignController; the page renders them
// and keeps the ids the user ticked.
class MyDesignView : public QWidget {
    Q_OBJECT
public:
    // Answers the delete confirmation: true for "Sure", false for "Cancel".
    using DeleteConfirmation = std::function<bool(QWidget* parent)>;

    explicit MyDesignView(QWidget* parent = nullptr);

    MyDesignController* controller() const { return m_controller; }
    const QList<DesignListContentData>& items() const;
    DesignId itemId() const { return m_itemId; }
    bool isShowLogoDetailView() const { return m_isShowLogoDetailView; }
    bool deleteMode() const { return m_deleteMode; }
    bool isVersionOne() const { return m_isVersionOne; }
    bool isLoadingSvgFail() const;
    // The ids of the ticked designs, in tick order (a duplicate id once per tile).
    const std::vector<qint64>& selectedIds() const { return m_selectedIds; }

    void reloadDesignList();
    void openDesignDetail(const DesignListContentData& design);
    void closeDetail();
    // The delete control's tap: arms delete mode, or asks and then deletes.
    void deleteControlTapped();
    void deleteSelectedDesigns();
    void setDeleteConfirmation(DeleteConfirmation confirmation);

    MyDesignViewTitleView* titleView() const { return m_title; }
    DeleteView* deleteView() const { return m_deleteView; }
    QGrid* grid() const { return m_grid; }
    // The tile at `index`, when it is near enough to the viewport to exist.
    MyDesignItems* tile(int index) const;
    NotDesignItems* emptyView() const { return m_emptyView; }
    LogoDetailView* detailView() const { return m_detail; }
    LoadSvgFailView* failView() const { return m_failView; }

Q_SIGNALS:
    // The list reply was applied (for whoever waits on the page, such as tests).
    void designListApplied();

private:
    void layOut();
    void subscribe();
    void appear();
    void showItems();
    void selectToggled(int tileIndex, qint64 itemId, bool isSelect);
    void setSelectedIds(std::vector<qint64> ids);
    void setDeleteMode(bool deleteMode);
    void updateVisibility();
    static bool askToDelete(QWidget* parent);

    MyDesignController* m_controller;
    std::vector<qint64> m_selectedIds;
    // The tiles (by place in the list) whose tick box is ticked.
    QSet<int> m_tickedTiles;
    DesignId m_itemId;
    bool m_isShowLogoDetailView = false;
    bool m_deleteMode = false;
    bool m_isVersionOne = false;
    DeleteConfirmation m_confirmDelete;

    MyDesignViewTitleView* m_title;
    QWidget* m_deleteRow;
    DeleteView* m_deleteView;
    QGrid* m_grid;
    NotDesignItems* m_emptyView;
    QWidget* m_detailArea;
    QPointer<LogoDetailView> m_detail;
    QWidget* m_failPanel;
    LoadSvgFailView* m_failView;
};
