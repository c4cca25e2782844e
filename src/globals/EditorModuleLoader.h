#pragma once

#include "globals/EditorModule.h"

// Gets the editor from one module file on first use and installs it once;
// an editor linked into the process is used instead of the file.
class EditorModuleLoader {
public:
    // `modulePath` is the module's full path; `linked` may be nullptr.
    EditorModuleLoader(QString modulePath, EditorModuleInterface* linked);

    // The installed editor; nullptr when the module can't be loaded, which
    // the log says with the module's path or the loader's error.
    EditorModuleInterface* load();
    // Opens a design in the editor. When the editor can't be loaded the main
    // window's toast says so, and the page stays as it was.
    void open(DesignId itemId, const QString& svg, bool fromMyDesignsView);

private:
    EditorModuleInterface* loadModuleFile() const;

    QString m_modulePath;
    EditorModuleInterface* m_editor = nullptr;
    bool m_installed = false;
};
