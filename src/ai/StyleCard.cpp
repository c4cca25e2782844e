#include "ai/StyleCard.h"

#include "ai/ElidedLabel.h"
#include "core/AsyncImageView.h"
#include "core/SharedIcon.h"

#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int borderWidth = 2;
constexpr int badgeSide = 21;
constexpr int badgeInset = 3;
constexpr int nameGap = 5;
// The name's frame: two lines of its 12-point text.
constexpr int nameHeight = 40;
constexpr int nameLines = 2;
} // namespace

// Draws the outline and the badge over the picture.
class StyleCard::Overlay : public QWidget {
public:
    Overlay(StyleCard* card)
        : QWidget(card)
        , m_card(card)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        const Look& look = m_card->m_look;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath outline;
        const double inset = borderWidth / 2.0;
        outline.addRoundedRect(
            QRectF(rect()).adjusted(inset, inset, -inset, -inset), look.cornerRadius, look.cornerRadius);
        painter.setPen(QPen(m_card->m_selected ? look.selectBorderColor : look.unSelectBorderColor, borderWidth));
        painter.drawPath(outline);
        if (look.badge && m_card->m_selected) {
            const QRect badge(
                width() - badgeInset - badgeSide, height() - badgeInset - badgeSide, badgeSide, badgeSide);
            sharedIcon(QStringLiteral(":/images/Privacy & Security.svg")).paint(&painter, badge);
        }
    }

private:
    StyleCard* m_card;
};

StyleCard::StyleCard(const QString& imageUrl, const QString& name, const Look& look, QWidget* parent)
    : QWidget(parent)
    , m_look(look)
    , m_picture(new AsyncImageView(imageUrl, pictureSide, pictureSide, look.cornerRadius, this))
    , m_overlay(new Overlay(this))
    , m_name(new ElidedLabel(name, 12, QFont::Medium, look.unSelectTextColor, this))
{
    // A column taller than its card is centred on it, as the design frames
    // it: the picture rises into the padding above it, and both lines of the
    // name fit above the card's foot.
    const int column = look.pictureTop + pictureSide + nameGap + nameHeight;
    const int height = look.height > 0 ? look.height : column;
    const int pictureTop = (height - column) / 2 + look.pictureTop;
    setFixedSize(pictureSide, height);
    m_picture->setGeometry(0, pictureTop, pictureSide, pictureSide);
    m_overlay->setGeometry(m_picture->geometry());
    m_name->setGeometry(0, pictureTop + pictureSide + nameGap, pictureSide, nameHeight);
    m_name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_name->setMaximumLineCount(nameLines);
    setCursor(Qt::PointingHandCursor);
}

void StyleCard::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    m_name->setColor(selected ? m_look.selectTextColor : m_look.unSelectTextColor);
    m_overlay->update();
}

void StyleCard::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT tapped();
}
