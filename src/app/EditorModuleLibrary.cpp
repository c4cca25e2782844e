// The editor module's entry, found by name when the application loads it.

#include "app/LinkedEditor.h"

extern "C" Q_DECL_EXPORT EditorModuleInterface* tessalyEditorModule()
{
    return linkedEditor();
}
