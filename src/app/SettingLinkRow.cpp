#include "app/SettingLinkRow.h"

#include "core/ColorUtilities.h"
#include "core/SharedIcon.h"

#include <QEnterEvent>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr QSize iconSize { 16, 16 };
constexpr int labelSpacing = 8;
} // namespace

SettingLinkRow::SettingLinkRow(const QString& title, const QString& image, const QString& hoverImage,
    std::function<void()> action, QWidget* parent)
    : QWidget(parent)
    , m_title(title)
    , m_image(image)
    , m_hoverImage(hoverImage)
    , m_action(std::move(action))
{
    setFixedSize(rowWidth, rowHeight);
    setAttribute(Qt::WA_Hover);

    m_icon = new QLabel(this);
    m_icon->setFixedSize(iconSize);
    showImage();
    auto* titleLabel = new QLabel(title, this);
    QFont font = titleLabel->font();
    font.setPixelSize(13);
    titleLabel->setFont(font);

    auto* chevron = new QLabel(this);
    chevron->setPixmap(
        sharedIcon(QStringLiteral(":/images/chevron.forward.svg")).pixmap(QSize(8, 14), devicePixelRatioF()));
    auto* faint = new QGraphicsOpacityEffect(chevron);
    faint->setOpacity(0.2);
    chevron->setGraphicsEffect(faint);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(7, 0, 17, 0);
    layout->setSpacing(0);
    layout->addWidget(m_icon);
    layout->addSpacing(labelSpacing);
    layout->addWidget(titleLabel);
    layout->addStretch();
    layout->addWidget(chevron);
}

QColor SettingLinkRow::currentBackground() const
{
    return m_selectHover ? Color(0x383838) : Color(0x1E1E1E);
}

void SettingLinkRow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), currentCornerRadius(), currentCornerRadius());
    painter.fillPath(shape, currentBackground());
}

void SettingLinkRow::enterEvent(QEnterEvent* event)
{
    m_pointerInside = true;
    updateSelectHover();
    QWidget::enterEvent(event);
}

void SettingLinkRow::leaveEvent(QEvent* event)
{
    m_pointerInside = false;
    updateSelectHover();
    QWidget::leaveEvent(event);
}

bool SettingLinkRow::event(QEvent* event)
{
    // The window passes its activation on to its children as these two events.
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
        updateSelectHover();
    return handled;
}

void SettingLinkRow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && m_action)
        m_action();
    QWidget::mouseReleaseEvent(event);
}

void SettingLinkRow::updateSelectHover()
{
    const bool hover = m_pointerInside && isActiveWindow();
    if (hover == m_selectHover)
        return;
    m_selectHover = hover;
    showImage();
    update();
}

void SettingLinkRow::showImage()
{
    m_icon->setPixmap(
        sharedIcon(QStringLiteral(":/images/%1.svg").arg(currentImageName())).pixmap(iconSize, devicePixelRatioF()));
}
