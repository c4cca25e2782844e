#pragma once

// Plugs the fonts, graphics and export parts into the editor: the font
// family and graphics panels, the export sheet, the editor's shipped-font
// resolver, the canvas page's font list, the font registration that ends
// before the canvas view is made, and the toast for a font that failed to
// load. Called once at launch, before any editor exists.
void installFontServices();
