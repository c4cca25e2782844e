#include "discovery/NotDesignItems.h"

#include "core/ColorUtilities.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"
#include "discovery/ImageLabel.h"
#include "discovery/TapTarget.h"

#include <QPainter>
#include <QPainterPath>

namespace {

class AddTile : public TapTarget {
public:
    explicit AddTile(QWidget* parent)
        : TapTarget(parent)
    {
        setFixedSize(161, 161);
        auto* plus = new ImageLabel(QStringLiteral("Group 286"), QSize(24, 24), this);
        plus->move((width() - plus->width()) / 2, (height() - plus->height()) / 2);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()), 3, 3);
        painter.fillPath(shape, Color(0x383838));
    }
};

} // namespace

NotDesignItems::NotDesignItems(QWidget* parent)
    : QWidget(parent)
    , m_addTile(new AddTile(this))
{
    m_addTile->move(20, 20);
    connect(m_addTile, &TapTarget::tapped, this, [] { RxBus::shared().post(MyDesignEventBus::addDesignEvent {}); });
}
