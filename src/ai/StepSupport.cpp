#include "ai/StepSupport.h"

#include "ai/TagView.h"
#include "core/Localization.h"
#include "core/RxBus.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int tagInset = 15;
} // namespace

void fillColor(QWidget* widget, const QColor& color)
{
    widget->setAutoFillBackground(true);
    QPalette colors = widget->palette();
    colors.setColor(QPalette::Window, color);
    widget->setPalette(colors);
}

QWidget* stepTitle(const QString& key, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* text = new QLabel(localized(key), row);
    text->setObjectName(QStringLiteral("stepTitle"));
    QFont font = text->font();
    font.setPixelSize(14);
    font.setWeight(QFont::DemiBold);
    text->setFont(font);
    text->setStyleSheet(QStringLiteral("color: #F8F9FA;"));
    text->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(text);
    return row;
}

QVBoxLayout* titledColumn(QWidget* owner, const QString& key, int sideInset, int titleGap)
{
    auto* column = new QVBoxLayout(owner);
    column->setContentsMargins(sideInset, 0, sideInset, 0);
    column->setSpacing(0);
    column->addWidget(stepTitle(key, owner));
    column->addSpacing(titleGap);
    return column;
}

void layOutSymbolSelection(QWidget* owner, TagView* tags, int sideInset, int titleGap)
{
    QVBoxLayout* column = titledColumn(owner, QStringLiteral("Symbol selection"), sideInset, titleGap);
    auto* chips = new QVBoxLayout;
    chips->setContentsMargins(tagInset, 0, tagInset, 0);
    chips->addWidget(tags);
    column->addLayout(chips);
    column->addStretch();
}

void reportStepLoadFailure(AILogoViewEvent::AILogoList list)
{
    RxBus::shared().post(AILogoViewEvent::AILogoViewNetWorkEvent { false, list });
}

void reportStepLoadSuccess(AILogoViewEvent::AILogoList list)
{
    RxBus::shared().post(AILogoViewEvent::AILogoViewNetWorkEvent { true, list });
}
