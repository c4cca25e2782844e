#pragma once

#include "model/ResourceImagesModel.h"
#include "model/ResourceShapeModel.h"

#include <QObject>
#include <QString>

// The graphics panel's requests without its widgets: the category catalogue,
// then one page of the first category's graphics. A failure of either is
// reported, so the panel can offer to try again; only the latest load's
// answers count.
class GraphicsAddController : public QObject {
    Q_OBJECT
public:
    static constexpr int pageCount = 1000;

    explicit GraphicsAddController(QObject* parent = nullptr);

    // Asks for the catalogue and then for the page; also what Retry does.
    void load();

    const QString& selectedTab() const { return m_selectedTab; }
    const ResourceShapeModel& resourceShapeModel() const { return m_resourceShapeModel; }
    const ResourceImagesModel& resourceImagesModel() const { return m_resourceImagesModel; }
    bool isLoadFailed() const { return m_isLoadFailed; }

Q_SIGNALS:
    void pageChanged();
    void loadFailedChanged(bool failed);

private:
    void takeCatalogue(const ResourceShapeModel& catalogue, quint64 request);
    void takePage(const ResourceImagesModel& page);
    void fail(quint64 request);
    void setLoadFailed(bool failed);

    QString m_selectedTab;
    ResourceShapeModel m_resourceShapeModel;
    ResourceImagesModel m_resourceImagesModel;
    bool m_isLoadFailed = false;
    quint64 m_latestRequest = 0;
};
