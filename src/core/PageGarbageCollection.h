#pragma once

#include <QByteArray>

// The canvas page stays loaded for the whole run, and every design it loads
// leaves a megabyte or so of script garbage behind. V8 collects it only once
// the page's heap reaches its limit, a dozen opens later, so until then the
// renderer holds it. Pages get gc(), so that the page can give it back when
// the editor closes.
namespace PageGarbageCollection {

// `flags` (Chromium's command line) with gc() exposed to pages. Flags that
// already set the script engine's own flags are the user's and stand.
QByteArray flagsExposingGc(const QByteArray& flags);

// Sets QTWEBENGINE_CHROMIUM_FLAGS so; call in main() before the application
// object.
void exposeBeforeApplication();

} // namespace PageGarbageCollection
