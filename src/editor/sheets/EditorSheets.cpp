#include "editor/sheets/EditorSheets.h"

#include "editor/EditorPanelFactories.h"
#include "editor/sheets/BackgroundColorSheet.h"
#include "editor/sheets/FlipSheet.h"
#include "editor/sheets/GraphicsRotateSheet.h"
#include "editor/sheets/TextCharsSpacingSheet.h"
#include "editor/sheets/TextColorSheet.h"
#include "editor/sheets/TextFormatSheet.h"

void installEditorSheets()
{
    EditorPanelFactories::setPanelFactory(EditorPanel::TextColor,
        [](EditLogoViewModel& model, QWidget* parent) -> QWidget* { return new TextColorSheet(model, parent); });
    EditorPanelFactories::setPanelFactory(EditorPanel::TextCharsSpacing,
        [](EditLogoViewModel& model, QWidget* parent) -> QWidget* { return new TextCharsSpacingSheet(model, parent); });
    EditorPanelFactories::setPanelFactory(EditorPanel::TextFormat,
        [](EditLogoViewModel& model, QWidget* parent) -> QWidget* { return new TextFormatSheet(model, parent); });
    EditorPanelFactories::setPanelFactory(EditorPanel::GraphicsRotate,
        [](EditLogoViewModel& model, QWidget* parent) -> QWidget* { return new GraphicsRotateSheet(model, parent); });
    EditorPanelFactories::setPanelFactory(
        EditorPanel::Flip, [](EditLogoViewModel&, QWidget* parent) -> QWidget* { return new FlipSheet(parent); });
    EditorPanelFactories::setPanelFactory(EditorPanel::BackgroundColor,
        [](EditLogoViewModel&, QWidget* parent) -> QWidget* { return new BackgroundColorSheet(parent); });
}
