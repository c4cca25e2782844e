#include "discovery/LogoDetailView.h"

#include "api/APIFactory.h"
#include "components/AppearanceWatcher.h"
#include "components/LoadSvgFailView.h"
#include "core/ColorUtilities.h"
#include "core/ExportFolder.h"
#include "core/Localization.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"
#include "discovery/ImageLogo.h"
#include "discovery/PromptView.h"
#include "discovery/SimlarView.h"
#include "globals/AppGlobals.h"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// The server turned the request down ("template not found") and sent no
// design: the page has nothing to show. A reply that carries a design is
// shown whatever its status says.
bool isRefusal(const DetailsListModel& reply)
{
    return reply.status != 0 && reply.data.item.img.isEmpty() && reply.data.item.svg.isEmpty();
}

// The title, description and prompt words, then the similar designs and the
// buttons. Long texts push the rows below them down; what no longer fits scrolls.
QScrollArea* textHolder(QWidget* prompt, QWidget* similar, QWidget* parent)
{
    auto* textColumn = new QVBoxLayout;
    textColumn->setContentsMargins(0, 40, 0, 0);
    textColumn->setSpacing(12);
    textColumn->addWidget(prompt);
    textColumn->addWidget(similar);
    textColumn->addStretch();

    auto* holder = new QScrollArea(parent);
    auto* content = new QWidget(holder);
    content->setLayout(textColumn);
    holder->setWidget(content);
    holder->setWidgetResizable(true);
    holder->setFrameShape(QFrame::NoFrame);
    holder->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    holder->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    holder->setFixedWidth(190);
    holder->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    return holder;
}

} // namespace

LogoDetailView::LogoDetailView(
    DesignId itemId, bool fromMyDesignsView, DetailsListModelDatas item, bool isVersionOne, QWidget* parent)
    : QWidget(parent)
    , m_itemId(itemId)
    , m_fromMyDesignsView(fromMyDesignsView)
    , m_isVersionOne(isVersionOne)
    , m_item(std::move(item))
    , m_shownItemId(itemId)
    , m_image(new ImageLogo(this))
    , m_prompt(new PromptView(this))
    , m_similar(new SimlarView(this))
    , m_failLayer(new QWidget(this))
    , m_failView(new LoadSvgFailView([this] { loadDetail(); }, [] {}, m_failLayer))
{
    layOut();
    m_similar->setVersionOne(m_isVersionOne);
    showItemContent();
    subscribe();
}

void LogoDetailView::layOut()
{
    setAutoFillBackground(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Color(0x1E1E1E));
    setPalette(colors);

    auto* imageColumn = new QVBoxLayout;
    imageColumn->setContentsMargins(0, 65, 0, 0);
    imageColumn->addWidget(m_image);
    imageColumn->addStretch();

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(65, 0, 0, 0);
    row->setSpacing(0);
    row->addLayout(imageColumn);
    row->addSpacing(65);
    row->addWidget(textHolder(m_prompt, m_similar, this));
    row->addStretch();

    m_failLayer->setAutoFillBackground(true);
    m_failLayer->setPalette(colors);
    auto* failLayout = new QVBoxLayout(m_failLayer);
    failLayout->addWidget(m_failView, 0, Qt::AlignCenter);
    m_failLayer->hide();
}

void LogoDetailView::subscribe()
{
    connect(m_similar, &SimlarView::similarSelected, this, &LogoDetailView::selectSimilar);
    connect(m_similar, &SimlarView::downloadRequested, this, &LogoDetailView::downloadOriginalImage);
    connect(m_similar, &SimlarView::editRequested, this, &LogoDetailView::openInEditor);

    // Every detail page hears the editor's refresh; only the one showing the
    // saved design reloads, so the other page's design is never replaced.
    subscribeEvent<LogoDetailViewEventBus::refreshEvent>(
        this, [this](const LogoDetailViewEventBus::refreshEvent& event) {
            if (event.id == m_itemId)
                loadDetail();
        });
    connect(new AppearanceWatcher(this), &AppearanceWatcher::appeared, this, &LogoDetailView::loadDetail);
}

void LogoDetailView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_failLayer->setGeometry(rect());
}

void LogoDetailView::setItemId(DesignId itemId)
{
    if (m_itemId == itemId)
        return;
    m_itemId = itemId;
    Q_EMIT itemIdChanged(itemId);
}

void LogoDetailView::loadDetail()
{
    const quint64 request = ++m_latestRequest;
    const DesignId requestedId = m_itemId;
    // A failed or refused request keeps what the page showed, and the id it
    // was shown under, beneath the failure view; Retry asks for itemId() again.
    auto failLatest = [this, request] {
        if (request == m_latestRequest)
            setLoadingSvgFail(true);
    };
    auto applyLatest = [this, request, requestedId, failLatest](const DetailsListModel& reply) {
        if (isRefusal(reply))
            failLatest();
        else if (request == m_latestRequest)
            applyDetail(requestedId, reply.data);
    };
    if (m_fromMyDesignsView)
        getDesignDetail(requestedId, applyLatest, failLatest, this);
    else
        getDetailsList(requestedId, applyLatest, failLatest, this);
}

void LogoDetailView::showItem(DesignId itemId)
{
    setItemId(itemId);
    loadDetail();
}

void LogoDetailView::setLoadingSvgFail(bool failed)
{
    m_isLoadingSvgFail = failed;
    m_failLayer->setVisible(failed);
    if (failed)
        m_failLayer->raise();
}

void LogoDetailView::applyDetail(DesignId itemId, const DetailsListModelDatas& item)
{
    setLoadingSvgFail(false);
    m_item = item;
    m_shownItemId = itemId;
    showItemContent();
    Q_EMIT detailShown();
}

void LogoDetailView::showItemContent()
{
    m_image->setImageUrl(m_item.item.img);
    m_prompt->setItem(m_item);
    m_similar->setItem(m_item);
}

void LogoDetailView::downloadOriginalImage()
{
    // The toasts go through the bus, so they appear even if this page has closed by then.
    downloadImageToDocuments(
        m_item.item.img, exportFileName(QStringLiteral(".webp")), QStringLiteral("WEBP"), nullptr,
        [](const QString&) {
            RxBus::shared().post(ContentViewEventBus::ToastEvent {
                localized(QStringLiteral("The logo has been saved to the \"Documents\" -> Tessaly directory")) });
        },
        [](const QString&) {
            RxBus::shared().post(ContentViewEventBus::ToastEvent {
                localized(QStringLiteral("The image could not be downloaded. Please try again.")) });
        });
}

void LogoDetailView::openInEditor()
{
    if (m_item.item.svg.isEmpty())
        return;
    openEditLogoWindow(m_shownItemId, m_item.item.svg, m_fromMyDesignsView);
}

void LogoDetailView::selectSimilar(int position)
{
    if (position < 0 || position >= m_item.similar.size())
        return;
    showItem(DesignId::fromText(m_item.similar.at(position).id, DesignId::Unreadable::OnPage));
}
