#pragma once

// App-wide values that cross screens without the event bus. Touched from the
// main thread only.

#include "core/DesignId.h"

#include <QString>
#include <QtGlobal>
#include <chrono>
#include <functional>

class QCloseEvent;

inline constexpr double canvasWidth = 460.0;
inline constexpr double canvasHeight = 460.0;
inline constexpr double exportWidth = 1024;
inline constexpr double exportHeight = 1024;
inline constexpr double editWindowWidth = 1060;
inline constexpr double editWindowHeight = 660.0;
inline constexpr double sheetActionDelay = 0.1;
inline constexpr int toastDuration = 5;
// How long the canvas page may take to hand over its SVG before a save fails.
inline constexpr std::chrono::milliseconds saveSvgAnswerTimeout { 30000 };

// How long a save of the editor's design may take at most: the page's answer,
// the upload and the check of an answer that was lost (the design list, then
// a design's file) each end at their own deadline.
std::chrono::milliseconds longestEditorSave();

// The device identifier, read once.
const QString& deviceUUID();
// The application's version text, "Unknown" when the build carries none.
const QString& appVersion();

// False while the editor holds changes that Undo could take back; the quit
// decision reads it. One value for the whole process, program and editor
// module alike.
extern bool canQuitWithoutSaving;

// Opens a design in the editor window. The application shell installs the
// real opener at start-up; lower layers and tests call through this hook so
// they never reach up into the shell.
using EditLogoWindowOpener = std::function<void(DesignId itemId, const QString& svg, bool fromMyDesignsView)>;
void setEditLogoWindowOpener(EditLogoWindowOpener opener);
void openEditLogoWindow(DesignId itemId, const QString& svg, bool fromMyDesignsView);

// Whether the program has agreed to end with its unsaved work settled, so
// that the windows its quit closes go without asking again. The shell
// installs the answer; without one the program is not ending.
void setApplicationEndingQuery(std::function<bool()> query);
// Whether a window's close goes through without asking: the program is
// ending and the close is its own (every window closed as it quits). A close
// from the window manager is the user's, and still asks.
bool closesWithoutAsking(const QCloseEvent& close);
