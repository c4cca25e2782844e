#include "editor/sheets/SheetCanvas.h"

#include "canvas/WebViewViewController.h"
#include "editor/EditLogoViewModel.h"

namespace SheetCanvas {

void evaluate(EditLogoViewModel& model, const QString& js)
{
    if (WebViewViewController* canvas = model.canvas())
        canvas->evaluate(js);
}

} // namespace SheetCanvas
