#pragma once

// The editor window: one top-level window, created on the first open and
// reused for every design after it. Each open puts a fresh editor view in
// it; the shared canvas view stays in one place in the window for the run
// and every editor view is built around it.

#include "core/DesignId.h"

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QtGlobal>

class QMainWindow;
class WindowController;

// The editor window, created on first use: 1060 × 632, fixed, without the
// close, minimise and maximise buttons (the editor closes it itself). On a
// screen too small for it, it takes the free area and the editor scrolls.
QMainWindow* editLogoWindow();

// Where the editor window's frame of `frame` size goes on a screen whose free
// area is `available`: centred along each side it fits in, else from that
// side's start, so that its title bar stays on screen.
QPoint editLogoWindowPosition(QSize frame, const QRect& available);

// How the editor window sits on a screen: its size inside the frame, and
// whether the editor scrolls in it.
struct EditLogoWindowFit {
    QSize size;
    bool scrolls = false;
    bool operator==(const EditLogoWindowFit&) const = default;
};

// The editor window for an editor of `content` size, in a `frame` of the
// window manager's, on a screen whose free area is `available`: the editor's
// own size where it fits; else, along each side it does not fit in, as much
// of the free area as the frame leaves, and the editor scrolls. A scroll bar
// (`scrollBar` thick) along one side takes room from the other side too.
EditLogoWindowFit editLogoWindowFit(QSize content, const QMargins& frame, const QRect& available, int scrollBar);

// Holds the editor window for the editor, created on first use.
WindowController* windowController();

// Opens a design in the editor window, replacing whatever it showed. When the
// open editor has unsaved changes, its window comes to the front and the
// editor asks first; Cancel keeps its design and drops this request. The
// application installs it as the app-wide opener at start-up.
void showEditLogoWindow(DesignId itemId, const QString& svg, bool fromMyDesignsView);
