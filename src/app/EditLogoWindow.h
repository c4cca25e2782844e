#pragma once

// The editor window: one top-level window, created on the first open and
// reused for every design after it. Each open puts a fresh editor view in
// it; the shared canvas view stays in one place in the window for the run
// and every editor view is built around it.

#include "core/DesignId.h"

#include <QString>
#include <QtGlobal>

class QMainWindow;
class WindowController;

// The editor window, created on first use: 1060 × 632, fixed, without the
// close, minimise and maximise buttons (the editor closes it itself). On a
// screen too small for it, it takes the free area and the editor scrolls.
QMainWindow* editLogoWindow();

// Holds the editor window for the editor, created on first use.
WindowController* windowController();

// Opens a design in the editor window, replacing whatever it showed. When the
// open editor has unsaved changes, its window comes to the front and the
// editor asks first; Cancel keeps its design and drops this request. The
// application installs it as the app-wide opener at start-up.
void showEditLogoWindow(DesignId itemId, const QString& svg, bool fromMyDesignsView);
