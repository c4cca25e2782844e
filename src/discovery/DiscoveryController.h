#pragma once

#include "model/DiscorysModel.h"

#include <QList>
#include <QObject>

// The Discovery page's template list without its widgets: asks for the
// list, keeps the templates of the last usable reply and says whether the
// failure view shows. Only the latest request's answer counts.
class DiscoveryController : public QObject {
    Q_OBJECT
public:
    // The one request asks for page 0 with room for this many templates.
    static constexpr int templatePageLength = 20000;

    explicit DiscoveryController(QObject* parent = nullptr);

    const QList<DiscorysModelContentData>& items() const { return m_items; }
    bool isLoadingSvgFail() const { return m_isLoadingSvgFail; }

    void loadTemplates();
    // What the page does each time it comes on screen: load while it has nothing.
    void appeared();
    // Takes a list reply: its templates, or the failure view when it holds none it could read.
    void applyReply(const DiscorysModel& reply);

    // A reply with templates, or one the server marked as done (status 0)
    // whose list is simply empty. A reply whose fields had the wrong types
    // decodes to neither.
    static bool isUsable(const DiscorysModel& reply);

Q_SIGNALS:
    void itemsChanged();
    void loadingSvgFailChanged(bool failed);

private:
    void setLoadingSvgFail(bool failed);

    QList<DiscorysModelContentData> m_items;
    bool m_isLoadingSvgFail = false;
    quint64 m_latestRequest = 0;
};
