// The application's entry point: set up the application object, hand over
// to an instance that already runs, or else finish the launch in the
// delegate and run until the quit decision ends the run; then end the
// process at once.

#include "app/AppDelegate.h"
#include "app/SessionConnection.h"
#include "app/SingleInstance.h"
#include "app/SoftwareRenderingPath.h"
#include "core/HeapRelease.h"
#include "core/PageGarbageCollection.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    HeapRelease::keepHeapCompact();
    SoftwareRenderingPath::applyBeforeApplication();
    PageGarbageCollection::exposeBeforeApplication();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    SessionConnection::outliveTheSessionManager();
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tessaly"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessaly"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSALY_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("TessalyDeskApp"));

    SingleInstance instance;
    if (instance.handOverOrListen())
        return 0;

    AppDelegate delegate;
    QObject::connect(&instance, &SingleInstance::activationRequested, &delegate, &AppDelegate::reopenMainWindow);
    delegate.applicationDidFinishLaunching();
    const int exitCode = app.exec();
    // Nothing is left to keep once the loop ends: the quit decision settled
    // unsaved work first, files and the store are written as they change, and
    // the web views went on aboutToQuit. Taking the windows and the
    // application object down would only wait for the media pipelines and the
    // web engine to shut down (a second or more), so the process ends here.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}
