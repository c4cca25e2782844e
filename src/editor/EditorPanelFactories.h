#pragma once

// The side panels and the export sheet are built on top of the editor. Each
// installs its factory here; until one is installed its factory yields
// nullptr and the button that would open it is shown disabled.

#include "editor/EditorPanel.h"

#include <functional>

class EditLogoViewModel;
class QWidget;

// Builds a panel bound to the editor's models (a panel writes them back
// through the model's setters and listens to its change signals).
using EditorPanelFactory = std::function<QWidget*(EditLogoViewModel& model, QWidget* parent)>;

class EditorPanelFactories {
public:
    static void setPanelFactory(EditorPanel panel, EditorPanelFactory factory);
    static bool hasPanel(EditorPanel panel);
    static QWidget* createPanel(EditorPanel panel, EditLogoViewModel& model, QWidget* parent);

    // The export sheet; it closes itself with setShowExportViewSheet(false).
    static void setExportSheetFactory(EditorPanelFactory factory);
    static bool hasExportSheet();
    static QWidget* createExportSheet(EditLogoViewModel& model, QWidget* parent);
};
