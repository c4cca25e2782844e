#include "fonts/GraphicsAddController.h"

#include "api/APIFactory.h"
#include "core/DecimalId.h"

GraphicsAddController::GraphicsAddController(QObject* parent)
    : QObject(parent)
{
}

void GraphicsAddController::load()
{
    const quint64 request = ++m_latestRequest;
    getResourceShape([this, request](const ResourceShapeModel& catalogue) { takeCatalogue(catalogue, request); },
        [this, request] { fail(request); }, this);
}

void GraphicsAddController::takeCatalogue(const ResourceShapeModel& catalogue, quint64 request)
{
    if (request != m_latestRequest)
        return;
    m_resourceShapeModel = catalogue;
    if (catalogue.data.item.isEmpty()) {
        // An empty library is an answer, not a failure.
        setLoadFailed(false);
        return;
    }
    const ResourceShapeModelDatas& first = catalogue.data.item.first();
    m_selectedTab = first.name;
    const qint64 igid = parseDecimalId(first.igid).value_or(0);
    getResourceImages(
        igid, 0, pageCount,
        [this, request](const ResourceImagesModel& page) {
            if (request == m_latestRequest)
                takePage(page);
        },
        [this, request] { fail(request); }, this);
}

void GraphicsAddController::takePage(const ResourceImagesModel& page)
{
    m_resourceImagesModel = page;
    setLoadFailed(false);
    Q_EMIT pageChanged();
}

void GraphicsAddController::fail(quint64 request)
{
    if (request == m_latestRequest)
        setLoadFailed(true);
}

void GraphicsAddController::setLoadFailed(bool failed)
{
    if (m_isLoadFailed == failed)
        return;
    m_isLoadFailed = failed;
    Q_EMIT loadFailedChanged(failed);
}
