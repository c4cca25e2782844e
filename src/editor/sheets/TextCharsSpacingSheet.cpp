#include "editor/sheets/TextCharsSpacingSheet.h"

#include "core/RxBus.h"
#include "editor/EditorEvents.h"
#include "editor/SidePanelValues.h"
#include "editor/sheets/SheetValues.h"

TextCharsSpacingSheet::TextCharsSpacingSheet(EditLogoViewModel& model, QWidget* parent)
    : SliderSheet(EditorPanel::TextCharsSpacing, QStringLiteral("Letter Spacing"), scale, model, parent)
{
    startLoading();
}

SliderSheet::Reading TextCharsSpacingSheet::read() const
{
    // A text that does not read as a number counts as 0.
    const float parsed = SheetValues::parseCFloat(values().canvasTextCharSpacingModel().charSpacing).value_or(0.0f);
    const double space = SheetValues::sanitized(static_cast<double>(parsed), 0, scale);
    return { space, space / scale };
}

void TextCharsSpacingSheet::post(int value, bool isAddToUndo) const
{
    RxBus::shared().post(EditFontEvent::FontSpaceSheetChangeEvent { value, isAddToUndo });
}

void TextCharsSpacingSheet::writeBack(int value)
{
    CanvasTextCharSpacingModel spacing = values().canvasTextCharSpacingModel();
    spacing.charSpacing = QString::number(value);
    values().setCanvasTextCharSpacingModel(spacing);
}

QString TextCharsSpacingSheet::labelText(int value) const
{
    return QString::number(value);
}
