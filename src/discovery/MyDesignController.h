#pragma once

#include "model/DesignListModel.h"

#include <QList>
#include <QObject>
#include <vector>

// The My Design page's saved designs without its widgets: loads the list,
// opens its first design in the editor after picture-to-logo, and deletes a
// batch of designs. Only the latest list request's answer counts.
class MyDesignController : public QObject {
    Q_OBJECT
public:
    explicit MyDesignController(QObject* parent = nullptr);

    const QList<DesignListContentData>& items() const { return m_items; }
    bool isLoadingSvgFail() const { return m_isLoadingSvgFail; }
    bool isDeleting() const { return m_pendingDeletes > 0; }

    // Asks for the list; with `openEditor` its first design then opens in the editor.
    void loadDesignList(bool openEditor);
    // Empties the list and loads it again.
    void reloadDesignList(bool openEditor = false);
    void openFirstDesignInEditor();
    // Sends one delete per id, all at once; when every reply is in, the list
    // is loaded once, and a failure is told once.
    void deleteDesigns(const std::vector<qint64>& ids);

Q_SIGNALS:
    void itemsChanged();
    void loadingSvgFailChanged(bool failed);
    // A list reply was applied (for whoever waits on the page, such as tests).
    void designListApplied();

private:
    void setItems(QList<DesignListContentData> items);
    void setLoadingSvgFail(bool failed);
    void deleteAnswered(bool deleted);

    QList<DesignListContentData> m_items;
    bool m_isLoadingSvgFail = false;
    bool m_openEditorPending = false;
    quint64 m_latestRequest = 0;
    int m_pendingDeletes = 0;
    bool m_anyDeleteFailed = false;
};
