#pragma once

// The editor (its window, the canvas, its sheets and panels) is a module that
// links Qt WebEngine. The application loads it on first use, and right after
// the main window's first paint, so that its start maps none of Qt
// WebEngine's libraries and the first editor open does not wait for them.

#include "core/DesignId.h"

#include <QString>
#include <QtGlobal>

// What the module gives the application.
class EditorModuleInterface {
public:
    virtual ~EditorModuleInterface() = default;
    // Installs the editor's sheets and panels; called once, before any editor exists.
    virtual void install() = 0;
    // Opens a design in the editor window (see EditLogoWindow.h).
    virtual void open(DesignId itemId, const QString& svg, bool fromMyDesignsView) = 0;
};

// The module's one exported function, extern "C".
using EditorModuleEntry = EditorModuleInterface* (*)();
inline constexpr const char* editorModuleEntryName = "tessalyEditorModule";

namespace EditorModule {
// Uses an editor linked into the process instead of loading the module; the
// first one offered stays.
void useLinked(EditorModuleInterface* editor);
// Loads and installs the editor once; nullptr when the module can't be
// loaded, which the log says with the reason (see EditorModuleLoader.h).
EditorModuleInterface* load();
// The application's editor opener: loads the editor on first use; when it
// can't, the main window's toast says so.
void open(DesignId itemId, const QString& svg, bool fromMyDesignsView);
// Where the module lies: in the program's library folder (../lib/tessaly).
QString modulePath();
} // namespace EditorModule
