#pragma once

#include <QString>

class EditLogoViewModel;

namespace SheetCanvas {

// Evaluates one page call (a CanvasScripts text) on the editor's canvas,
// when it has one.
void evaluate(EditLogoViewModel& model, const QString& js);

} // namespace SheetCanvas
