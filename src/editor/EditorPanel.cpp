#include "editor/EditorPanel.h"

#include "core/RxBus.h"
#include "editor/EditorEvents.h"

void postShowEvent(EditorPanel panel)
{
    RxBus& bus = RxBus::shared();
    switch (panel) {
    case EditorPanel::TextColor:
        bus.post(EditFontEvent::ShowFontColorSheetEvent {});
        break;
    case EditorPanel::TextFontFamily:
        bus.post(EditFontEvent::ShowTextFontFamilySheetEvent {});
        break;
    case EditorPanel::TextCharsSpacing:
        bus.post(EditFontEvent::ShowFontSpaceSheetEvent {});
        break;
    case EditorPanel::TextFormat:
        bus.post(EditFontEvent::ShowFormatSheetEvent {});
        break;
    case EditorPanel::GraphicsRotate:
        bus.post(EditGraphicsEvent::ShowGraphicsRotateSheet {});
        break;
    case EditorPanel::Flip:
        bus.post(EditGraphicsEvent::ShowFlipSheetEvent {});
        break;
    case EditorPanel::GraphicsAdd:
        bus.post(EditGraphicsEvent::ShowGraphicsAddSheet {});
        break;
    case EditorPanel::BackgroundColor:
        bus.post(EditBackgroundEvent::showBackgroundColorSheet {});
        break;
    }
}
