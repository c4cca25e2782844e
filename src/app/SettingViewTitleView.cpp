#include "app/SettingViewTitleView.h"

#include "core/ColorUtilities.h"
#include "core/Localization.h"

#include <QHBoxLayout>
#include <QLabel>

SettingViewTitleView::SettingViewTitleView(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(720, 39);

    auto* title = new QLabel(localized(QStringLiteral("Settings")), this);
    QFont font = title->font();
    font.setPixelSize(18);
    font.setWeight(QFont::Normal);
    title->setFont(font);
    QPalette titlePalette = title->palette();
    titlePalette.setColor(QPalette::WindowText, Color(0xDDDDDD));
    title->setPalette(titlePalette);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 15, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(title);
    layout->addStretch();
    layout->addSpacing(12);
}
