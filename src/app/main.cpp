// The application's entry point: set up the application object, finish the
// launch in the delegate and run until the quit decision ends the run.

#include "app/AppDelegate.h"
#include "app/SoftwareRenderingPath.h"

#include <QApplication>

int main(int argc, char** argv)
{
    SoftwareRenderingPath::applyBeforeApplication();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tessaly"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessaly"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSALY_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("TessalyDeskApp"));

    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    return app.exec();
}
