#include "app/LogoItem.h"

#include "core/ColorUtilities.h"
#include "core/LayoutConstants.h"
#include "core/Localization.h"
#include "core/SharedIcon.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int leadingSpace = 20;

QHBoxLayout* leadingRow(QWidget* content)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addSpacing(leadingSpace);
    row->addWidget(content);
    row->addStretch();
    return row;
}
} // namespace

LogoItem::LogoItem(QWidget* parent)
    : QWidget(parent)
{
    setFixedWidth(180);

    auto* icon = new QLabel(this);
    icon->setFixedSize(24, 24);
    icon->setPixmap(sharedIcon(QStringLiteral(":/images/Main_icon 2.svg")).pixmap(QSize(24, 24), devicePixelRatioF()));

    auto* name = new QLabel(localized(QStringLiteral("Tessaly")), this);
    QFont font = name->font();
    font.setPixelSize(15);
    font.setWeight(QFont::Medium);
    name->setFont(font);
    QPalette namePalette = name->palette();
    namePalette.setColor(QPalette::WindowText, Color(0xE5E5E5));
    name->setPalette(namePalette);

    // Fixed spacers make the whole gap between their neighbours.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addSpacing(static_cast<int>(topBarHeight) + 52);
    layout->addLayout(leadingRow(icon));
    layout->addSpacing(8);
    layout->addLayout(leadingRow(name));
}
