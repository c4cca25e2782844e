#include "editor/sheets/ColorCard.h"

#include "core/RxBus.h"
#include "editor/EditorEvents.h"

ColorCard::ColorCard(int color, QWidget* parent)
    : ColorSwatch(color, parent)
{
    connect(this, &QAbstractButton::clicked, this,
        [this] { RxBus::shared().post(EditFontEvent::ColorChangeEvent { this->color() }); });
}
