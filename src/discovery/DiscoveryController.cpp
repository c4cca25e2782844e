#include "discovery/DiscoveryController.h"

#include "api/APIFactory.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"

DiscoveryController::DiscoveryController(QObject* parent)
    : QObject(parent)
{
    subscribeEvent<EditLogoViewEvent::RetryEvent>(
        this, [this](const EditLogoViewEvent::RetryEvent&) { loadTemplates(); });
}

void DiscoveryController::appeared()
{
    if (m_items.isEmpty())
        loadTemplates();
}

void DiscoveryController::loadTemplates()
{
    const quint64 request = ++m_latestRequest;
    getDiscorysList(
        0, templatePageLength,
        [this, request](const DiscorysModel& reply) {
            if (request == m_latestRequest)
                applyReply(reply);
        },
        [this, request] {
            if (request == m_latestRequest)
                setLoadingSvgFail(true);
        },
        this);
}

bool DiscoveryController::isUsable(const DiscorysModel& reply)
{
    return !reply.data.items.isEmpty() || reply.status == 0;
}

void DiscoveryController::applyReply(const DiscorysModel& reply)
{
    // An unreadable reply fails like an HTTP error: the templates stay as they were.
    if (!isUsable(reply)) {
        setLoadingSvgFail(true);
        return;
    }
    m_items = reply.data.items;
    Q_EMIT itemsChanged();
    setLoadingSvgFail(false);
}

void DiscoveryController::setLoadingSvgFail(bool failed)
{
    m_isLoadingSvgFail = failed;
    Q_EMIT loadingSvgFailChanged(failed);
}
