#include "discovery/MyDesignController.h"

#include "api/APIFactory.h"
#include "core/DesignId.h"
#include "core/Localization.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"
#include "discovery/DiscoveryEvents.h"
#include "globals/AppGlobals.h"

MyDesignController::MyDesignController(QObject* parent)
    : QObject(parent)
{
}

void MyDesignController::loadDesignList(bool openEditor)
{
    // A later load may overtake this one; the editor still opens for the list that arrives.
    m_openEditorPending = m_openEditorPending || openEditor;
    const quint64 request = ++m_latestRequest;
    getDesignList(
        [this, request](const DesignListModel& reply) {
            if (request != m_latestRequest)
                return;
            setItems(reply.data.items);
            if (m_openEditorPending) {
                m_openEditorPending = false;
                openFirstDesignInEditor();
                RxBus::shared().post(MyDesignEventBus::openEditLogoViewEvent {});
            }
            setLoadingSvgFail(false);
            Q_EMIT designListApplied();
        },
        [this, request] {
            if (request != m_latestRequest)
                return;
            m_openEditorPending = false;
            setLoadingSvgFail(true);
        },
        this);
}

void MyDesignController::reloadDesignList(bool openEditor)
{
    setItems({});
    loadDesignList(openEditor);
}

void MyDesignController::openFirstDesignInEditor()
{
    // The new list may be empty (the design was removed meanwhile): nothing to open.
    if (m_items.isEmpty())
        return;
    const DesignListContentData& first = m_items.constFirst();
    openEditLogoWindow(DesignId::fromText(first.id, DesignId::Unreadable::InEditor), first.svg, true);
}

void MyDesignController::deleteDesigns(const std::vector<qint64>& ids)
{
    if (ids.empty())
        return;
    if (m_pendingDeletes == 0)
        m_anyDeleteFailed = false;
    m_pendingDeletes += static_cast<int>(ids.size());
    for (qint64 id : ids) {
        delLogo(
            id,
            [this](const DetailsListModel& reply) {
                if (reply.status == 0)
                    RxBus::shared().post(DiscoveryItemsEventBus::DeleteEvent {});
                deleteAnswered(reply.status == 0);
            },
            [this] { deleteAnswered(false); }, this);
    }
}

void MyDesignController::deleteAnswered(bool deleted)
{
    m_anyDeleteFailed = m_anyDeleteFailed || !deleted;
    if (--m_pendingDeletes > 0)
        return;
    if (m_anyDeleteFailed) {
        RxBus::shared().post(ContentViewEventBus::ToastEvent {
            localized(QStringLiteral("The design could not be deleted. Please try again.")) });
    }
    // One load shows what the server now holds, whatever each delete's outcome.
    reloadDesignList();
}

void MyDesignController::setItems(QList<DesignListContentData> items)
{
    m_items = std::move(items);
    Q_EMIT itemsChanged();
}

void MyDesignController::setLoadingSvgFail(bool failed)
{
    m_isLoadingSvgFail = failed;
    Q_EMIT loadingSvgFailChanged(failed);
}
