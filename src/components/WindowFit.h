#pragma once

// How a top-level window of a fixed content size sits on a screen that may
// be too small for it: where its frame goes, how large it gets and whether
// its content scrolls, and following the window manager's real frame.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

class QWidget;

// Where a window's frame of `frame` size goes on a screen whose free area is
// `available`: centred along each side it fits in, else from that side's
// start, so that its title bar stays on screen.
QPoint windowPosition(QSize frame, const QRect& available);

// How a window sits on a screen: its size inside the frame, and whether its
// content scrolls in it.
struct WindowFit {
    QSize size;
    bool scrolls = false;
    bool operator==(const WindowFit&) const = default;
};

// The window for content of `content` size, in a `frame` of the window
// manager's, on a screen whose free area is `available`: the content's own
// size where it fits; else, along each side it does not fit in, as much of
// the free area as the frame leaves, and the content scrolls. A scroll bar
// (`scrollBar` thick) along one side takes room from the other side too.
WindowFit windowFit(QSize content, const QMargins& frame, const QRect& available, int scrollBar);

// The window manager's frame around `window`; until it has framed the window
// once, a title bar `titleBar` high stands in.
QMargins frameMargins(const QWidget* window, int titleBar);

// Once `window` shows: calls `refit` whenever the window manager has moved it
// and its frame differs from the one it was last fitted for (it frames a
// window when it first shows it, moving it within the frame). Set up once
// per window; later calls change nothing.
void refitWhenFramed(QWidget* window, int titleBar, std::function<void()> refit);
