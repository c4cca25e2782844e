#include "editor/EditorPanelFactories.h"

#include <array>

namespace {
std::array<EditorPanelFactory, allEditorPanels.size()>& panelFactories()
{
    static std::array<EditorPanelFactory, allEditorPanels.size()> factories;
    return factories;
}

EditorPanelFactory& exportSheetFactory()
{
    static EditorPanelFactory factory;
    return factory;
}
} // namespace

void EditorPanelFactories::setPanelFactory(EditorPanel panel, EditorPanelFactory factory)
{
    panelFactories()[static_cast<std::size_t>(panel)] = std::move(factory);
}

bool EditorPanelFactories::hasPanel(EditorPanel panel)
{
    return static_cast<bool>(panelFactories()[static_cast<std::size_t>(panel)]);
}

QWidget* EditorPanelFactories::createPanel(EditorPanel panel, EditLogoViewModel& model, QWidget* parent)
{
    const EditorPanelFactory& factory = panelFactories()[static_cast<std::size_t>(panel)];
    return factory ? factory(model, parent) : nullptr;
}

void EditorPanelFactories::setExportSheetFactory(EditorPanelFactory factory)
{
    exportSheetFactory() = std::move(factory);
}

bool EditorPanelFactories::hasExportSheet()
{
    return static_cast<bool>(exportSheetFactory());
}

QWidget* EditorPanelFactories::createExportSheet(EditLogoViewModel& model, QWidget* parent)
{
    return exportSheetFactory() ? exportSheetFactory()(model, parent) : nullptr;
}
