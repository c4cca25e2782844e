#include "editor/sheets/GraphicsRotateSheet.h"

#include "core/RxBus.h"
#include "editor/EditorEvents.h"
#include "editor/SidePanelValues.h"
#include "editor/sheets/SheetValues.h"

GraphicsRotateSheet::GraphicsRotateSheet(EditLogoViewModel& model, QWidget* parent)
    : SliderSheet(EditorPanel::GraphicsRotate, QStringLiteral("Rotate"), scale, model, parent)
{
    startLoading();
}

SliderSheet::Reading GraphicsRotateSheet::read() const
{
    const double angle = static_cast<double>(static_cast<float>(values().canvasPathModel().angle));
    // The thumb follows the angle as read; the label shows it normalised once.
    const double shown = angle < 0 ? angle + scale : angle;
    return { SheetValues::sanitized(shown, 0, scale), angle / scale };
}

void GraphicsRotateSheet::post(int value, bool isAddToUndo) const
{
    RxBus::shared().post(EditGraphicsEvent::GraphicsRotateChangeEvent { value, isAddToUndo });
}

void GraphicsRotateSheet::writeBack(int value)
{
    CanvasPathModel path = values().canvasPathModel();
    path.angle = value;
    values().setCanvasPathModel(path);
}

QString GraphicsRotateSheet::labelText(int value) const
{
    return QString::number(value) + QStringLiteral(" °");
}
