#include "app/LinkedEditor.h"

#include "app/EditLogoWindow.h"
#include "editor/sheets/EditorSheets.h"
#include "fonts/FontServices.h"

namespace {
class LinkedEditor final : public EditorModuleInterface {
public:
    void install() override
    {
        installEditorSheets();
        installFontServices();
    }

    void open(DesignId itemId, const QString& svg, bool fromMyDesignsView) override
    {
        showEditLogoWindow(itemId, svg, fromMyDesignsView);
    }
};
} // namespace

EditorModuleInterface* linkedEditor()
{
    static LinkedEditor editor;
    return &editor;
}

namespace {
// A program that links the editor uses it, and never loads a second copy
// from the module; in the module itself this names the module's own.
[[maybe_unused]] const bool linkedEditorInUse = (EditorModule::useLinked(linkedEditor()), true);
} // namespace
