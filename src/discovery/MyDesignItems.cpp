#include "discovery/MyDesignItems.h"

#include "core/RxBus.h"
#include "discovery/CardPainter.h"
#include "discovery/DiscoveryEvents.h"
#include "discovery/ImageLabel.h"
#include "discovery/RemoteImage.h"

#include <QPainter>

namespace {

// Paints the title strip over the picture while the tile is hovered.
class CaptionOverlay : public QWidget {
public:
    CaptionOverlay(const DesignListContentData& design, QWidget* parent)
        : QWidget(parent)
        , m_design(design)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        CardPainter::paintCaption(painter, rect(), m_design.title, m_design.desc);
    }

private:
    const DesignListContentData& m_design;
};

QString checkboxImageName(bool selected)
{
    return selected ? QStringLiteral("Checkbox Type") : QStringLiteral("Checkbox Type (1)");
}

} // namespace

MyDesignItems::MyDesignItems(DesignListContentData discorysModelContentData, bool deleteMode, bool showHoverText,
    bool isSelect, bool isVersionOne, std::function<void()> action, QWidget* parent)
    : TapTarget(parent)
    , m_design(std::move(discorysModelContentData))
    , m_deleteMode(deleteMode)
    , m_showHoverText(showHoverText)
    , m_isSelect(isSelect)
    , m_isVersionOne(isVersionOne)
    , m_action(std::move(action))
    , m_image(new RemoteImage(CardMetrics::imageSide, CardMetrics::cornerRadius, this))
    , m_caption(new CaptionOverlay(m_design, this))
    , m_checkbox(new TapTarget(this))
    , m_checkboxImage(new ImageLabel(checkboxImageName(isSelect), QSize(14, 14), m_checkbox))
    , m_badge(new ImageLabel(QStringLiteral("mydesign_more"), QSize(35, 15), this))
{
    constexpr int side = CardMetrics::imageSide;
    setFixedSize(side, side);
    m_image->setUrlString(m_design.img);
    m_caption->setGeometry(rect());
    m_caption->setVisible(m_showHoverText);

    m_checkbox->setGeometry(side - 15 - 14, 7, 14, 14);
    m_checkbox->setVisible(m_deleteMode);
    m_checkboxImage->setAspectFill(true);
    m_badge->setAspectFill(true);
    m_badge->move(16, 8);

    // What the tile does each time it comes on screen; it shows one design
    // for its whole life, so once is enough.
    subscribeEvent<DiscoveryItemsEventBus::DeleteEvent>(
        this, [this](const DiscoveryItemsEventBus::DeleteEvent&) { setSelect(false); });
    m_isVersionOne = m_design.ver == QLatin1String("v1");
    m_badge->setVisible(m_isVersionOne);

    connect(m_checkbox, &TapTarget::tapped, this, &MyDesignItems::toggleSelect);
    connect(this, &TapTarget::tapped, this, [this] {
        if (m_action)
            m_action();
    });
}

void MyDesignItems::toggleSelect()
{
    setSelect(!m_isSelect);
    Q_EMIT selectToggled(m_isSelect);
    RxBus::shared().post(DiscoveryItemsEventBus::DeleteSelectEvent { m_design.id });
}

DesignId MyDesignItems::itemId() const
{
    return DesignId::fromText(m_design.id, DesignId::Unreadable::OnPage);
}

void MyDesignItems::setSelect(bool select)
{
    m_isSelect = select;
    m_checkboxImage->setImageName(checkboxImageName(select));
}

void MyDesignItems::setShowHoverText(bool show)
{
    m_showHoverText = show;
    m_caption->setVisible(show);
}

void MyDesignItems::enterEvent(QEnterEvent* event)
{
    setShowHoverText(true);
    TapTarget::enterEvent(event);
}

void MyDesignItems::leaveEvent(QEvent* event)
{
    setShowHoverText(false);
    TapTarget::leaveEvent(event);
}
