#pragma once

// Installs the editor's adjustment sheets as its side panels: colour (for
// texts and graphics), letter spacing, format, rotate, flip and background
// colour. Call once at start-up, before any editor is built.
void installEditorSheets();
