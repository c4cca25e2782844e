#include "editor/sheets/BackgroundColorCard.h"

#include "core/RxBus.h"
#include "editor/EditorEvents.h"

BackgroundColorCard::BackgroundColorCard(int color, QWidget* parent)
    : ColorSwatch(color, parent)
{
    connect(this, &QAbstractButton::clicked, this,
        [this] { RxBus::shared().post(EditBackgroundEvent::setBackgroundColorEvent { this->color() }); });
}
