#include "editor/sheets/FlipSheetItem.h"

#include "core/Localization.h"
#include "core/SharedIcon.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <cmath>

FlipSheetItem::FlipSheetItem(
    const QString& imageName, const QString& itemName, double leftSpace, std::function<void()> action, QWidget* parent)
    : QWidget(parent)
    , m_imageName(imageName)
    , m_itemName(itemName)
    , m_button(new QPushButton(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addSpacing(std::isfinite(leftSpace) ? static_cast<int>(std::max(0.0, leftSpace)) : 0);
    m_button->setIcon(sharedIcon(QStringLiteral(":/images/%1.svg").arg(imageName)));
    m_button->setIconSize(QSize(imageSide, imageSide));
    m_button->setFixedSize(imageSide, imageSide);
    m_button->setFlat(true);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setCursor(Qt::PointingHandCursor);
    m_button->setToolTip(localized(itemName));
    m_button->setAccessibleName(localized(itemName));
    m_button->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; padding: 0; }"));
    connect(m_button, &QPushButton::clicked, this, [action = std::move(action)] {
        if (action)
            action();
    });
    layout->addWidget(m_button);
}
