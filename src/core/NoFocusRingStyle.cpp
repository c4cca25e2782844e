#include "core/NoFocusRingStyle.h"

#include <QStyleOption>

void NoFocusRingStyle::drawPrimitive(
    PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    if (element == PE_FrameFocusRect)
        return;
    if (option && (element == PE_FrameLineEdit || element == PE_PanelLineEdit)) {
        // Drawn as unfocused so no highlight frame appears.
        if (auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
            QStyleOptionFrame unfocused(*frame);
            unfocused.state &= ~State_HasFocus;
            QProxyStyle::drawPrimitive(element, &unfocused, painter, widget);
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
