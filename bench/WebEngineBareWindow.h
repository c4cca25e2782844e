#pragma once

// The web-engine floor of the start-up benchmarks: the bare window, in a
// program that loads Qt WebEngine as the application does (without creating a
// view) and takes the application's rendering path for this machine.

#include "StartupTiming.h"
#include "app/SoftwareRenderingPath.h"

#include <QWebEngineView>
#include <cstdio>

namespace startup_timing {

inline int runBareWindowWithWebEngine(int argc, char** argv)
{
    std::printf("linked %s\n", QWebEngineView::staticMetaObject.className());
    SoftwareRenderingPath::applyBeforeApplication();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return runBareWindow(argc, argv);
}

} // namespace startup_timing
