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

    void open(qint64 itemId, const QString& svg, bool fromMyDesignsView) override
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
